#include "settings/template_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <sys/stat.h>

#include "template_fixture.h"

namespace orbweave {
namespace {

// --- Lookups in a text ------------------------------------------------------------

TEST(TemplateTextTest, FindsAKeyInItsSection) {
    const TemplateText text("\r\n[Admin]\r\nProduct=Orbweave\r\n\r\n[Universe]\r\nUniverse_Stars=18000\r\n");
    EXPECT_EQ(text.Find("Universe", "Universe_Stars"), "18000");
    EXPECT_EQ(text.Find("Admin", "Product"), "Orbweave");
    EXPECT_EQ(text.Find("Admin", "Universe_Stars"), std::nullopt);
    EXPECT_EQ(text.Find("Missing", "Product"), std::nullopt);
}

TEST(TemplateTextTest, ASectionNumberIsNotThePrefixOfAnother) {
    const TemplateText text("\r\n[UniGal10]\r\nGalaxy_Radius=10\r\n\r\n[UniGal1]\r\nGalaxy_Radius=1\r\n");
    EXPECT_EQ(text.Find("UniGal1", "Galaxy_Radius"), "1");
    EXPECT_EQ(text.Find("UniGal10", "Galaxy_Radius"), "10");
}

TEST(TemplateTextTest, SectionNamesCompareWithCase) {
    const TemplateText text("\r\n[universe]\r\nUniverse_Stars=5\r\n");
    EXPECT_EQ(text.Find("Universe", "Universe_Stars"), std::nullopt);
    EXPECT_EQ(text.Find("universe", "Universe_Stars"), "5");
}

TEST(TemplateTextTest, AKeyIsFoundOnlyAtTheStartOfALine) {
    const TemplateText text("\r\n[UniGal7]\r\n_UniGalName=Galaxy_Radius=999\r\nMy_Radius=5\r\nGalaxy_Radius=300\r\n");
    EXPECT_EQ(text.Find("UniGal7", "Galaxy_Radius"), "300");
    EXPECT_EQ(text.Find("UniGal7", "Radius"), std::nullopt);
    EXPECT_EQ(text.Find("UniGal7", "_UniGalName"), "Galaxy_Radius=999");
}

TEST(TemplateTextTest, AHeaderCountsOnlyAtTheStartOfALine) {
    const TemplateText text(
        "\r\n[Advanced]\r\nLockMessage=see [Universe] and [x\r\nAdv_FontSize=14\r\n"
        "\r\n[Universe]\r\nUniverse_Stars=7\r\n");
    // The brackets inside the value neither end its section nor start another.
    EXPECT_EQ(text.Find("Advanced", "Adv_FontSize"), "14");
    EXPECT_EQ(text.Find("Universe", "Universe_Stars"), "7");
}

TEST(TemplateTextTest, BlanksAndTabsMayIndentHeadersAndKeys) {
    for (const std::string_view lineEnd : {"\r\n", "\n", "\r"}) {
        std::string text;
        for (const std::string_view line : {"", " \t[Advanced]", "\tAdv_TimeDelay=33", "  LockMessage= two  words ", "",
                                            "\t[Universe] ", " Universe_Stars=7"}) {
            text += line;
            text += lineEnd;
        }
        const TemplateText indented(text);
        EXPECT_EQ(indented.Find("Advanced", "Adv_TimeDelay"), "33");
        // Blanks after "=" belong to the value.
        EXPECT_EQ(indented.Find("Advanced", "LockMessage"), " two  words ");
        EXPECT_EQ(indented.Find("Advanced", "Universe_Stars"), std::nullopt);
        EXPECT_EQ(indented.Find("Universe", "Universe_Stars"), "7");
        // The indentation is no part of a key: " LockMessage" is not found in
        // "  LockMessage=...", nor " " in "  =w".
        EXPECT_EQ(indented.Find("Advanced", " LockMessage"), std::nullopt);
        EXPECT_EQ(TemplateText("[A]" + std::string(lineEnd) + "  =w" + std::string(lineEnd)).Find("A", " "),
                  std::nullopt);
    }
}

TEST(TemplateTextTest, BlanksInsideAValueNeverMakeItAKeyOrAHeader) {
    const TemplateText text(
        "\r\n[Advanced]\r\nLockMessage=\t[Universe]\r\nAdv_TimeText= Adv_FontSize=9\r\n"
        "Adv_ZeroText=\n\tAdv_FontSize=8\r\nAdv_FontSize=14\r\n");
    EXPECT_EQ(text.Find("Advanced", "Adv_FontSize"), "14");
    EXPECT_EQ(text.Find("Universe", "Adv_FontSize"), std::nullopt);
    EXPECT_EQ(text.Find("Universe", "Adv_TimeText"), std::nullopt);
}

TEST(TemplateTextTest, ASectionEndsAtTheNextHeaderLine) {
    const TemplateText text("\r\n[A]\r\nX=1\r\n[B]\r\nY=2\r\n");
    EXPECT_EQ(text.Find("A", "Y"), std::nullopt);
    EXPECT_EQ(text.Find("B", "X"), std::nullopt);
    EXPECT_EQ(text.Find("B", "Y"), "2");
}

TEST(TemplateTextTest, OnlyTheFirstOfTwoSectionsOfOneNameIsRead) {
    const TemplateText text(
        "\r\n[Universe]\r\nUniverse_Stars=1\r\n\r\n[Universe]\r\nUniverse_Stars=2\r\nUniverse_Galaxy=3\r\n");
    EXPECT_EQ(text.Find("Universe", "Universe_Stars"), "1");
    EXPECT_EQ(text.Find("Universe", "Universe_Galaxy"), std::nullopt);
}

TEST(TemplateTextTest, TheFirstOfTwoEntriesOfOneKeyCounts) {
    const TemplateText text("\r\n[Universe]\r\nUniverse_Stars=1\r\nUniverse_Stars=2\r\n");
    EXPECT_EQ(text.Find("Universe", "Universe_Stars"), "1");
}

TEST(TemplateTextTest, AnEntryWithoutValueIsEmptyNotMissing) {
    const TemplateText text("\r\n[Advanced]\r\nLockMessage=\r\nAdv_FontName=a=b\r\n");
    EXPECT_EQ(text.Find("Advanced", "LockMessage"), "");
    EXPECT_EQ(text.Find("Advanced", "Adv_FontName"), "a=b");
}

TEST(TemplateTextTest, ALastLineWithoutLineEndIsAnEntry) {
    const TemplateText crLf("\r\n[Advanced]\r\nAdv_FontSize=14\r\nAdv_FontName=Arial");
    EXPECT_EQ(crLf.Find("Advanced", "Adv_FontSize"), "14");
    EXPECT_EQ(crLf.Find("Advanced", "Adv_FontName"), "Arial");
    EXPECT_EQ(TemplateText("\n[Advanced]\nAdv_FontName=Arial").Find("Advanced", "Adv_FontName"), "Arial");
    EXPECT_EQ(TemplateText("\r\n[Advanced]\r\nLockMessage=").Find("Advanced", "LockMessage"), "");
}

TEST(TemplateTextTest, AFileWithoutCrLfEndsItsLinesWithEachLineFeedAndCarriageReturn) {
    for (const std::string_view lines :
         {"\n[Advanced]\nLockMessage=see [Universe]\nAdv_FontSize=14\n\n[Universe]\nUniverse_Stars=7\nUniverse_Tour=\n",
          "\r[Advanced]\rLockMessage=see [Universe]\rAdv_FontSize=14\r\r[Universe]\rUniverse_Stars=7\rUniverse_Tour=\r",
          "\n[Advanced]\rLockMessage=see [Universe]\nAdv_FontSize=14\n\r[Universe]\n\rUniverse_Stars=7\rUniverse_Tour="}) {
        const TemplateText text{std::string(lines)};
        EXPECT_EQ(text.Find("Advanced", "LockMessage"), "see [Universe]");
        EXPECT_EQ(text.Find("Advanced", "Adv_FontSize"), "14");
        EXPECT_EQ(text.Find("Advanced", "Universe_Stars"), std::nullopt);
        EXPECT_EQ(text.Find("Universe", "Universe_Stars"), "7");
        EXPECT_EQ(text.Find("Universe", "Universe_Tour"), "");
    }
}

TEST(TemplateTextTest, ALineFeedStaysInsideItsValue) {
    const TemplateText text("\r\n[Advanced]\r\nLockMessage=one\n[Universe]\nAdv_FontSize=1\r\nAdv_FontSize=14\r\n");
    EXPECT_EQ(text.Find("Advanced", "LockMessage"), "one\n[Universe]\nAdv_FontSize=1");
    EXPECT_EQ(text.Find("Advanced", "Adv_FontSize"), "14");
    EXPECT_EQ(text.Find("Universe", "Adv_FontSize"), std::nullopt);
}

// --- Reading files -----------------------------------------------------------------

using TemplateReadTest = TemplateTest;

TEST_F(TemplateReadTest, AMissingFileGivesTheDefaultAndCachesNothing) {
    const std::string path = PathOf("later.owv");
    EXPECT_EQ(ReadTemplateValue("Universe", "Universe_Stars", "18000", path), "18000");
    EXPECT_EQ(TemplateTextCache(), nullptr);
    // The next read tries the disk again; one that names no file has only the cache.
    WriteFile("later.owv", "\r\n[Universe]\r\nUniverse_Stars=5\r\n");
    EXPECT_EQ(ReadTemplateValue("Universe", "Universe_Stars", "18000"), "18000");
    EXPECT_EQ(ReadTemplateValue("Universe", "Universe_Stars", "18000", path), "5");
    EXPECT_EQ(ReadTemplateValue("Universe", "Universe_Stars", "18000"), "5");
}

TEST_F(TemplateReadTest, AByteOrderMarkBeforeTheFirstHeaderIsSkipped) {
    const std::string path = WriteFile("marked.owv", "\xEF\xBB\xBF[Universe]\r\nUniverse_Stars=5\r\n");
    EXPECT_EQ(ReadTemplateValue("Universe", "Universe_Stars", "18000", path), "5");
    EXPECT_TRUE(TemplateHoldsSection("Universe"));
}

TEST_F(TemplateReadTest, AFolderIsNotAReadableFile) {
    EXPECT_FALSE(LoadTemplateText(Folder().string() + "/"));
    EXPECT_EQ(TemplateTextCache(), nullptr);
}

TEST_F(TemplateReadTest, AnEmptyFileIsReadOnceAndGivesDefaults) {
    const std::string path = WriteFile("empty.owv", "");
    EXPECT_EQ(ReadTemplateValue("Universe", "Universe_Stars", "18000", path), "18000");
    ASSERT_NE(TemplateTextCache(), nullptr);
    std::filesystem::remove(path);
    EXPECT_TRUE(LoadTemplateText(path));
}

TEST_F(TemplateReadTest, TheCacheAnswersWhateverFileIsNamedUntilCleared) {
    const std::string first = WriteFile("first.owv", "\r\n[A]\r\nK=1\r\n");
    const std::string second = WriteFile("second.owv", "\r\n[A]\r\nK=2\r\n");
    EXPECT_EQ(ReadTemplateValue("A", "K", "", first), "1");
    EXPECT_EQ(ReadTemplateValue("A", "K", "", second), "1");
    ClearTemplateTextCache();
    EXPECT_EQ(ReadTemplateValue("A", "K", "", second), "2");
}

// --- Writing files -----------------------------------------------------------------

using TemplateWriteTest = TemplateTest;

TEST_F(TemplateWriteTest, WritesHeadersWhenTheSectionChanges) {
    const std::string path = PathOf("out.owv");
    EXPECT_TRUE(OpenTemplateFile(path));
    EXPECT_TRUE(WriteTemplateEntry("Admin", "Product", "Orbweave"));
    EXPECT_NE(TemplateFileNumber(), 0);
    EXPECT_TRUE(WriteTemplateEntry("Admin", "Version", "5.0g"));
    EXPECT_TRUE(WriteTemplateEntry("General", "AnimationType", "0"));
    EXPECT_TRUE(WriteTemplateEntry("General", "Empty", ""));
    EXPECT_TRUE(CloseTemplateFile());
    EXPECT_EQ(TemplateFileNumber(), 0);
    EXPECT_EQ(ReadFile(path),
              "\r\n[Admin]\r\nProduct=Orbweave\r\nVersion=5.0g\r\n\r\n[General]\r\nAnimationType=0\r\nEmpty=\r\n");
}

TEST_F(TemplateWriteTest, EveryFileStartsWithItsFirstHeader) {
    const std::string first = PathOf("first.owv");
    const std::string second = PathOf("second.owv");
    WriteTemplateEntry("Admin", "Product", "Orbweave", first);
    EXPECT_TRUE(CloseTemplateFile());
    // The second save starts in the section the first one ended in.
    WriteTemplateEntry("Admin", "Product", "Orbweave", second);
    EXPECT_TRUE(CloseTemplateFile());
    EXPECT_EQ(ReadFile(first), "\r\n[Admin]\r\nProduct=Orbweave\r\n");
    EXPECT_EQ(ReadFile(second), ReadFile(first));
}

TEST_F(TemplateWriteTest, AMultiLineValueSurvivesASaveAndALoad) {
    const std::string path = PathOf("message.owv");
    WriteTemplateEntry("Advanced", "LockMessage", "Gone fishing\r\n[Universe]\r\nBack at five\r\r\n", path);
    WriteTemplateEntry("Advanced", "Adv_FontSize", "14");
    ASSERT_TRUE(CloseTemplateFile());
    EXPECT_EQ(ReadFile(path),
              "\r\n[Advanced]\r\nLockMessage=Gone fishing\n[Universe]\nBack at five\n\r\nAdv_FontSize=14\r\n");
    EXPECT_EQ(ReadTemplateValue("Advanced", "LockMessage", "", path), "Gone fishing\n[Universe]\nBack at five\n");
    EXPECT_EQ(ReadTemplateValue("Advanced", "Adv_FontSize", ""), "14");
}

TEST_F(TemplateWriteTest, ASaveReplacesTheOldFileAndLeavesNothingElse) {
    const std::string path = WriteFile("propsave.owv", "old contents that are longer than the new ones");
    ASSERT_TRUE(OpenTemplateFile(path));
    WriteTemplateEntry("A", "K", "1");
    // Until the save ends the old file stays as it was.
    EXPECT_EQ(ReadFile(path), "old contents that are longer than the new ones");
    ASSERT_TRUE(CloseTemplateFile());
    EXPECT_EQ(ReadFile(path), "\r\n[A]\r\nK=1\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Folder()), std::filesystem::directory_iterator()), 1);
}

TEST_F(TemplateWriteTest, ASaveThroughLinksReplacesTheirTargetAndKeepsTheLinks) {
    namespace fs = std::filesystem;
    const std::string real = WriteFile("real.owv", "old");
    fs::create_directories(Folder() / "links");
    fs::create_symlink("../real.owv", Folder() / "links" / "relative.owv");
    fs::create_symlink(Folder() / "links" / "relative.owv", Folder() / "absolute.owv");
    fs::create_symlink("later.owv", Folder() / "dangling.owv");
    for (const char* name : {"links/relative.owv", "absolute.owv"}) {
        EXPECT_TRUE(WriteTemplateEntry("A", "K", name, (Folder() / name).string()));
        ASSERT_TRUE(CloseTemplateFile());
        EXPECT_EQ(ReadFile(real), std::string("\r\n[A]\r\nK=") + name + "\r\n");
    }
    // A link to a file that does not exist yet creates that file.
    EXPECT_TRUE(WriteTemplateEntry("A", "K", "1", (Folder() / "dangling.owv").string()));
    ASSERT_TRUE(CloseTemplateFile());
    EXPECT_EQ(ReadFile(PathOf("later.owv")), "\r\n[A]\r\nK=1\r\n");
    for (const char* link : {"links/relative.owv", "absolute.owv", "dangling.owv"}) {
        EXPECT_TRUE(fs::is_symlink(Folder() / link)) << link;
    }
    // Nothing but the links and their two targets is left.
    EXPECT_EQ(std::distance(fs::recursive_directory_iterator(Folder()), fs::recursive_directory_iterator()), 6);
}

TEST_F(TemplateWriteTest, ALoopOfLinksIsNotSaved) {
    std::filesystem::create_symlink("b.owv", PathOf("a.owv"));
    std::filesystem::create_symlink("a.owv", PathOf("b.owv"));
    EXPECT_FALSE(WriteTemplateEntry("A", "K", "1", PathOf("a.owv")));
    EXPECT_FALSE(CloseTemplateFile());
    EXPECT_TRUE(std::filesystem::is_symlink(PathOf("a.owv")));
}

TEST_F(TemplateWriteTest, ASaveKeepsThePermissionsOfTheFileItReplaces) {
    using std::filesystem::perms;
    const perms others = perms::others_read | perms::others_write;
    for (const perms mode : {perms::owner_read | perms::owner_write, perms::owner_all | perms::group_read | others}) {
        const std::string path = WriteFile("kept.owv", "old");
        std::filesystem::permissions(path, mode);
        EXPECT_TRUE(WriteTemplateEntry("A", "K", "1", path));
        ASSERT_TRUE(CloseTemplateFile());
        EXPECT_EQ(std::filesystem::status(path).permissions(), mode);
    }
    // A new file gets what the file mask leaves.
    const mode_t mask = ::umask(027);
    EXPECT_TRUE(WriteTemplateEntry("A", "K", "1", PathOf("new.owv")));
    ASSERT_TRUE(CloseTemplateFile());
    ::umask(mask);
    EXPECT_EQ(std::filesystem::status(PathOf("new.owv")).permissions(),
              perms::owner_read | perms::owner_write | perms::group_read);
}

TEST_F(TemplateWriteTest, AFileThatCannotBeCreatedIsReported) {
    const std::string path = (Folder() / "missing" / "t.owv").string();
    EXPECT_FALSE(OpenTemplateFile(path));
    EXPECT_FALSE(WriteTemplateEntry("A", "K", "1"));
    EXPECT_FALSE(WriteTemplateEntry("A", "L", "2", PathOf("t.owv")));
    EXPECT_EQ(TemplateFileNumber(), 0);
    EXPECT_FALSE(CloseTemplateFile());
    EXPECT_FALSE(std::filesystem::exists(path));
    // The failure ends with the save: the next one starts afresh.
    EXPECT_TRUE(WriteTemplateEntry("A", "K", "1", PathOf("t.owv")));
    EXPECT_TRUE(CloseTemplateFile());
}

TEST_F(TemplateWriteTest, AnEntryNeedsAFileToSaveInto) {
    EXPECT_FALSE(WriteTemplateEntry("A", "K", "1"));
    EXPECT_FALSE(CloseTemplateFile());
}

TEST_F(TemplateWriteTest, AnOpenSaveKeepsItsFile) {
    ASSERT_TRUE(OpenTemplateFile(PathOf("first.owv")));
    EXPECT_FALSE(OpenTemplateFile(PathOf("second.owv")));
    EXPECT_TRUE(WriteTemplateEntry("A", "K", "1", PathOf("third.owv")));
    ASSERT_TRUE(CloseTemplateFile());
    EXPECT_EQ(ReadFile(PathOf("first.owv")), "\r\n[A]\r\nK=1\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Folder()), std::filesystem::directory_iterator()), 1);
}

TEST_F(TemplateWriteTest, AFailedReplaceKeepsTheTargetAndRemovesTheTemporaryFile) {
    // A folder cannot be replaced by a file.
    const std::filesystem::path target = Folder() / "taken.owv";
    std::filesystem::create_directories(target / "inside");
    EXPECT_TRUE(WriteTemplateEntry("A", "K", "1", target.string()));
    EXPECT_FALSE(CloseTemplateFile());
    EXPECT_TRUE(std::filesystem::is_directory(target / "inside"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Folder()), std::filesystem::directory_iterator()), 1);
}

}  // namespace
}  // namespace orbweave
