// Pieces shared by the platform layer's own files; never included outside
// src/platform.
#pragma once

#include <sys/stat.h>

#include <optional>
#include <string>
#include <vector>

#include "core/platform/platform.h"

namespace plat::detail {

FileError ErrnoToError(int err);
// The file a symbolic link leads to, or hostPath itself when it is no link:
// files replaced in place (the ini file, a saved text) are written through
// their links, which stay links.
std::string LinkTarget(const std::string& hostPath);
// Writes all of data to fd: the error of the write that failed, DiskFull
// for one that wrote nothing.
FileError WriteAll(int fd, const std::string& data);
// True (and error set) when an armed fault fires for this call.
bool FaultFires(FaultOp op, FileError& error);

// Host path of an absolute Windows-form path. With resolveLast false the
// final component is taken as given (for names about to be created or
// renamed to); the directories leading to it are still resolved.
std::optional<std::string> ResolveHost(const std::string& absWinPath, bool resolveLast);

// DOS attribute bits of a host file from its stat data and stored bits
// (read through fd when one is given, else by the path).
uint32_t HostAttributes(const std::string& hostPath, const std::string& name,
                        const struct stat& st, int fd = -1);
// Stored hidden/system/archive bits from user.DOSATTRIB; -1 when absent.
// The one reader of the value, for listings and single files alike;
// *unsupported is set when the file system has no extended attributes.
int StoredDosBits(const std::string& hostPath, bool* unsupported = nullptr);
// The same, of entry name of the open directory dirFd (host path hostDir,
// "" for the root).
int StoredDosBitsAt(int dirFd, const char* name, const std::string& hostDir, bool* unsupported = nullptr);
// The same, of an open file.
int StoredDosBitsOf(int fd);
int ParseDosAttrib(const char* text);  // "0x22" -> 0x22; -1 when not a number

// Host path of a profile file name: a host path or a Windows-form path.
std::string ProfileHostPath(const std::string& file);

// Names in host directory dir equal to hostName without regard to case.
std::vector<std::string> NamesLike(const std::string& dir, const std::string& hostName);
// Tells the name cache about an entry the program has just created.
void NoteCreated(const std::string& hostPath);

// The drive table's port devices.
std::string PortHostPath(const std::string& name);

}  // namespace plat::detail
