#include "core/tagging/wild_card.h"

#include <gtest/gtest.h>

#include <string>

namespace {

bool Sel(const std::string& list, const std::string& name) { return TWildCard(list).Matches(name); }

TEST(WildCard, ListSelectsByNameAndExtensionWithoutRegardToCase) {
    TWildCard w("*.TXT;*.DOC");
    EXPECT_FALSE(w.Invalid());
    EXPECT_EQ(w.Count(), 2);
    EXPECT_TRUE(w.Matches("a.txt"));
    EXPECT_TRUE(w.Matches("B.Doc"));
    EXPECT_FALSE(w.Matches("a.txt.bak"));  // extension is BAK
    EXPECT_FALSE(w.Matches("readme"));
    EXPECT_TRUE(Sel("a*.txt", "ABC.TXT"));
    EXPECT_TRUE(Sel("*.TXT", "readme.txt   "));  // trailing blanks of the name go
}

TEST(WildCard, TrailingSemicolonAddsNoPattern) {
    TWildCard a("*.TXT;"), b("*.TXT");
    EXPECT_FALSE(a.Invalid());
    EXPECT_EQ(a.Count(), 1);
    EXPECT_EQ(a.PatternText(0), b.PatternText(0));
    for (const char* n : {"x.txt", "x.doc", "x", "x.txt.old"}) EXPECT_EQ(a.Matches(n), b.Matches(n)) << n;
}

TEST(WildCard, EmptyNamePartsMakeTheListInvalid) {
    for (const char* list : {"*.TXT;;*.DOC", ".TXT", "   ", ";", ";*.TXT", "C:\\DIR\\.TXT"})
        EXPECT_TRUE(TWildCard(list).Invalid()) << "'" << list << "'";
    for (const char* list : {"*", "*.", "*.*", "-", "A", " *.DOC"})
        EXPECT_FALSE(TWildCard(list).Invalid()) << "'" << list << "'";
    // An empty list is not invalid (the dialogs refuse it themselves) and
    // selects nothing.
    TWildCard empty("");
    EXPECT_FALSE(empty.Invalid());
    EXPECT_EQ(empty.Count(), 0);
    EXPECT_FALSE(empty.Matches("a.txt"));
}

TEST(WildCard, FirstMatchingPatternDecidesExclusions) {
    EXPECT_FALSE(Sel("-*.BAK;*.*", "X.BAK"));
    EXPECT_TRUE(Sel("-*.BAK;*.*", "X.BA"));
    EXPECT_TRUE(Sel("*.*;-*.BAK", "X.BAK"));
    EXPECT_TRUE(Sel("*.*;-*.BAK", "X.BA"));
    EXPECT_FALSE(Sel("-*.BAK;-*.TXT", "X.DOC"));  // only exclusions: nothing
    EXPECT_FALSE(Sel("-*.BAK;-*.TXT", "X.BAK"));
    TWildCard w("-*.bak;*.*");
    EXPECT_TRUE(w.IsExclusion(0));
    EXPECT_FALSE(w.IsExclusion(1));
    EXPECT_EQ(w.PatternText(0), "-*.BAK");
}

TEST(WildCard, QuestionMarkNeedsOneCharacterAndStarEndsThePart) {
    EXPECT_TRUE(Sel("A?.C", "AB.C"));
    EXPECT_FALSE(Sel("A?.C", "A.C"));
    EXPECT_FALSE(Sel("A?.C", "ABC.C"));
    EXPECT_TRUE(Sel("AB*Z.*", "ABX.TXT"));  // what follows "*" is ignored
    EXPECT_TRUE(Sel("*.T*X", "a.TOP"));
    EXPECT_TRUE(Sel("A?.C", "A\xC3\xA9.C"));  // "?" takes a whole UTF-8 letter
    EXPECT_FALSE(Sel("A??.C", "A\xC3\xA9.C"));
}

TEST(WildCard, StarAloneSelectsNamesWithoutExtension) {
    EXPECT_TRUE(Sel("*", "MAKEFILE"));
    EXPECT_FALSE(Sel("*", "MAKEFILE.BAK"));
    EXPECT_TRUE(Sel("*.*", "MAKEFILE"));
    EXPECT_TRUE(Sel("*.*", "MAKEFILE.BAK"));
    EXPECT_TRUE(Sel("*.", "NAME."));
    EXPECT_FALSE(Sel("*.", "NAME.X"));
    EXPECT_TRUE(Sel("*.*", ".PROFILE"));  // "*" takes an empty part too
    EXPECT_FALSE(Sel("?*.*", ".PROFILE"));
    EXPECT_TRUE(Sel("-.X;*.*", "A.X"));
}

TEST(WildCard, DirectoryPartsAreIgnored) {
    EXPECT_TRUE(Sel("*", "C:\\DIR.X\\FILE"));
    EXPECT_FALSE(Sel("*.X", "C:\\DIR.X\\FILE"));
    TWildCard w("c:\\x\\*.txt");
    EXPECT_EQ(w.PatternText(0), "*.TXT");
    EXPECT_TRUE(w.Matches("D:\\OTHER\\a.TXT"));
}

TEST(WildCard, LeadingBlanksAreSignificant) {
    EXPECT_TRUE(Sel(" *.DOC", " a.doc"));
    EXPECT_FALSE(Sel(" *.DOC", "a.doc"));
    EXPECT_EQ(TWildCard(" *.doc  ").PatternText(0), " *.DOC");
}

TEST(WildCard, PatternTextIsUpperCaseNameDotExtension) {
    TWildCard w("readme;*.txt;x.tar.gz");
    EXPECT_EQ(w.PatternText(0), "README.");
    EXPECT_EQ(w.PatternText(1), "*.TXT");
    EXPECT_EQ(w.PatternText(2), "X.GZ");  // name to the first dot, extension after the last
    EXPECT_EQ(w.PatternText(3), "");
    EXPECT_EQ(w.PatternText(-1), "");
}

TEST(WildCard, OnlyTheFirst255CharactersCount) {
    const std::string list = std::string(250, 'A') + ";*.TXT;*.DOC";  // cut after "*.TX"
    TWildCard w(list);
    EXPECT_EQ(w.Count(), 2);
    EXPECT_EQ(w.PatternText(1), "*.TX");
    EXPECT_TRUE(w.Matches("x.TX"));
    EXPECT_FALSE(w.Matches("x.TXT"));
    EXPECT_FALSE(w.Matches("x.DOC"));
    // A cut never splits a UTF-8 letter: the half letter is dropped.
    TWildCard u(std::string(254, 'A') + "\xC3\xA9");
    EXPECT_EQ(u.PatternText(0), std::string(254, 'A') + ".");
}

TEST(WildCard, NonAsciiLettersMatchAsTheDirectoryReadUpperCasesThem) {
    // The read upper-cases found names by the platform's rules; patterns
    // typed in lower case must still select them.
    EXPECT_TRUE(Sel("\xC3\xA9*.txt", "\xC3\x89T\xC3\x89.TXT"));  // é* vs ÉTÉ.TXT
    EXPECT_TRUE(Sel("\xC3\xA9*.txt", "\xC3\xA9t\xC3\xA9.txt"));
    EXPECT_FALSE(Sel("\xC3\xA9*.txt", "e.txt"));
}

}  // namespace
