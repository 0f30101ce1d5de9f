// The help topics' own plain format, read into blocks a help window lays
// out. A topic's text is a run of blocks separated by blank lines:
//   - lines that follow each other form one paragraph, reflowed;
//   - "## Heading" is a heading of its own line;
//   - "- text" starts a list item; the lines after it, up to a blank line or
//     the next item, continue it;
//   - "[[1005]]" anywhere is a link to topic 1005, shown by its title.
#pragma once

#include <string>
#include <vector>

#include "core/platform/platform.h"

// Plain text (link 0) or a link to a topic number (text empty: the window
// shows the linked topic's title).
struct THelpSpan {
    std::string Text;
    int Link = 0;
};

struct THelpBlock {
    enum class Kind { Paragraph, Heading, Item };
    Kind Type = Kind::Paragraph;
    std::vector<THelpSpan> Spans;
};

std::vector<THelpBlock> ParseHelpText(const std::string& text);
// The topic numbers the blocks link to, in order of appearance.
std::vector<int> HelpLinks(const std::vector<THelpBlock>& blocks);
// The topics sorted by title without regard to case (the help index).
std::vector<plat::HelpTopicTitle> HelpIndex(std::vector<plat::HelpTopicTitle> topics);
