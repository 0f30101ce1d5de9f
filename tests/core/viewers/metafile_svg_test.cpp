// Windows metafiles to SVG: which files are metafiles, the record checks
// that keep damaged files from the libraries, and the drawing of sound
// ones.
#include <gtest/gtest.h>

#include <string>

#include "core/viewers/metafile_svg.h"
#include "support/metafile_samples.h"

TEST(MetafileSvg, KindIsTakenFromTheHeader) {
    const std::string wmf = samples::Wmf(1, 1, 9, 9, 0);
    EXPECT_EQ(MetafileKind(wmf), TMetafileKind::Wmf);
    EXPECT_EQ(MetafileKind(wmf.substr(22)), TMetafileKind::Wmf);  // without the placeable header
    EXPECT_EQ(MetafileKind(samples::Emf(1, 1, 9, 9, 0)), TMetafileKind::Emf);
    EXPECT_EQ(MetafileKind("BM\x36\x00"), TMetafileKind::None);
    EXPECT_EQ(MetafileKind(""), TMetafileKind::None);
    std::string notEmf = samples::Emf(1, 1, 9, 9, 0);
    notEmf[40] = 'X';  // no " EMF" signature
    EXPECT_EQ(MetafileKind(notEmf), TMetafileKind::None);
}

TEST(MetafileSvg, DamagedRecordChainsAreRefused) {
    const std::string wmf = samples::Wmf(1, 1, 9, 9, 0);
    const std::string emf = samples::Emf(1, 1, 9, 9, 0);
    auto with = [](std::string s, size_t at, std::string bytes) { return s.replace(at, bytes.size(), bytes); };
    struct Case {
        const char* what;
        TMetafileKind kind;
        std::string bytes;
        std::string reason;
    };
    const Case cases[] = {
        {"sound wmf", TMetafileKind::Wmf, wmf, ""},
        {"sound emf", TMetafileKind::Emf, emf, ""},
        {"wmf header cut", TMetafileKind::Wmf, wmf.substr(0, 30), "the file is shorter than its header"},
        {"wmf header size", TMetafileKind::Wmf, with(wmf, 24, std::string("\x08\x00", 2)), "the header has a wrong size"},
        {"wmf without end", TMetafileKind::Wmf, wmf.substr(0, wmf.size() - 6), "the file ends without its end record"},
        {"wmf record of 2 words", TMetafileKind::Wmf, with(wmf, 40, std::string("\x02\x00\x00\x00", 4)), "a record has a wrong size"},
        {"wmf record past the end", TMetafileKind::Wmf, with(wmf, 40, std::string("\xFF\xFF\xFF\x7F", 4)),
         "a record runs past the end of the file"},
        {"emf header cut", TMetafileKind::Emf, emf.substr(0, 60), "the file is shorter than its header"},
        {"emf header size", TMetafileKind::Emf, with(emf, 4, std::string("\x00\x10\x00\x00", 4)), "the header has a wrong size"},
        {"emf without end", TMetafileKind::Emf, emf.substr(0, emf.size() - 20), "the file ends without its end record"},
        {"emf record of 0 bytes", TMetafileKind::Emf, with(emf, 92, std::string(4, '\0')), "a record has a wrong size"},
        {"emf record not of words", TMetafileKind::Emf, with(emf, 92, std::string("\x1A\x00\x00\x00", 4)), "a record has a wrong size"},
        {"emf record past the end", TMetafileKind::Emf, with(emf, 92, std::string("\x00\x00\x00\xF0", 4)),
         "a record runs past the end of the file"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MetafileDamage(c.kind, c.bytes), c.reason) << c.what;
        std::string svg, reason;
        EXPECT_EQ(MetafileToSvg(c.bytes, svg, reason), c.reason.empty()) << c.what << ": " << reason;
        if (!c.reason.empty()) {
            EXPECT_EQ(reason, c.reason) << c.what;
        }
    }
}

TEST(MetafileSvg, SoundMetafilesBecomeDrawings) {
    for (const std::string& file : {samples::Wmf(20, 10, 60, 40, samples::ColorRef(0, 0, 255)),
                                    samples::Emf(20, 10, 60, 40, samples::ColorRef(0, 0, 255))}) {
        std::string svg, reason;
        ASSERT_TRUE(MetafileToSvg(file, svg, reason)) << reason;
        EXPECT_NE(svg.find("<svg"), std::string::npos) << svg;
        EXPECT_NE(svg.find("</svg"), std::string::npos) << svg;
    }
    std::string svg, reason;
    EXPECT_FALSE(MetafileToSvg("plain text", svg, reason));
    EXPECT_EQ(reason, "it is no metafile");
}
