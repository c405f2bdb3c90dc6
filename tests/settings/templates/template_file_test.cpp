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

TEST_F(TemplateReadTest, AMissingFileGivesTheDefaultAndReadsNothing) {
    const std::string path = PathOf("later.owv");
    const TemplateReader missing(path);
    EXPECT_FALSE(missing.Loaded());
    EXPECT_EQ(missing.Value("Universe", "Universe_Stars", "18000"), "18000");
    // A reader made once the file exists reads it; the first one stays empty.
    WriteFile("later.owv", "\r\n[Universe]\r\nUniverse_Stars=5\r\n");
    EXPECT_EQ(TemplateReader(path).Value("Universe", "Universe_Stars", "18000"), "5");
    EXPECT_EQ(missing.Value("Universe", "Universe_Stars", "18000"), "18000");
}

TEST_F(TemplateReadTest, AByteOrderMarkBeforeTheFirstHeaderIsSkipped) {
    const TemplateReader reader(WriteFile("marked.owv", "\xEF\xBB\xBF[Universe]\r\nUniverse_Stars=5\r\n"));
    EXPECT_EQ(reader.Value("Universe", "Universe_Stars", "18000"), "5");
    EXPECT_TRUE(reader.HoldsSection("Universe"));
}

TEST_F(TemplateReadTest, AFolderIsNotAReadableFile) { EXPECT_FALSE(TemplateReader(Folder().string() + "/").Loaded()); }

TEST_F(TemplateReadTest, AnEmptyFileIsReadOnceAndGivesDefaults) {
    const std::string path = WriteFile("empty.owv", "");
    const TemplateReader reader(path);
    std::filesystem::remove(path);
    EXPECT_TRUE(reader.Loaded());
    EXPECT_EQ(reader.Value("Universe", "Universe_Stars", "18000"), "18000");
}

TEST_F(TemplateReadTest, EachReaderAnswersFromItsOwnFile) {
    const TemplateReader first(WriteFile("first.owv", "\r\n[A]\r\nK=1\r\n"));
    const TemplateReader second(WriteFile("second.owv", "\r\n[A]\r\nK=2\r\n"));
    EXPECT_EQ(first.Value("A", "K", ""), "1");
    EXPECT_EQ(second.Value("A", "K", ""), "2");
}

// --- Writing files -----------------------------------------------------------------

using TemplateWriteTest = TemplateTest;

// Saves the entry "K" of section "A" into path; true when it was stored.
bool SaveEntry(const std::string& path, std::string_view value = "1") {
    TemplateWriter writer(path);
    const bool written = writer.Write("A", "K", value);
    return writer.Commit() && written;
}

std::ptrdiff_t FilesIn(const std::filesystem::path& folder) {
    return std::distance(std::filesystem::directory_iterator(folder), std::filesystem::directory_iterator());
}

TEST_F(TemplateWriteTest, WritesHeadersWhenTheSectionChanges) {
    const std::string path = PathOf("out.owv");
    TemplateWriter writer(path);
    EXPECT_TRUE(writer.Write("Admin", "Product", "Orbweave"));
    EXPECT_TRUE(writer.Write("Admin", "Version", "5.0g"));
    EXPECT_TRUE(writer.Write("General", "AnimationType", "0"));
    EXPECT_TRUE(writer.Write("General", "Empty", ""));
    EXPECT_TRUE(writer.Commit());
    EXPECT_EQ(ReadFile(path),
              "\r\n[Admin]\r\nProduct=Orbweave\r\nVersion=5.0g\r\n\r\n[General]\r\nAnimationType=0\r\nEmpty=\r\n");
}

TEST_F(TemplateWriteTest, AMultiLineValueSurvivesASaveAndALoad) {
    const std::string path = PathOf("message.owv");
    TemplateWriter writer(path);
    writer.Write("Advanced", "LockMessage", "Gone fishing\r\n[Universe]\r\nBack at five\r\r\n");
    writer.Write("Advanced", "Adv_FontSize", "14");
    ASSERT_TRUE(writer.Commit());
    EXPECT_EQ(ReadFile(path),
              "\r\n[Advanced]\r\nLockMessage=Gone fishing\n[Universe]\nBack at five\n\r\nAdv_FontSize=14\r\n");
    const TemplateReader reader(path);
    EXPECT_EQ(reader.Value("Advanced", "LockMessage", ""), "Gone fishing\n[Universe]\nBack at five\n");
    EXPECT_EQ(reader.Value("Advanced", "Adv_FontSize", ""), "14");
}

TEST_F(TemplateWriteTest, ASaveReplacesTheOldFileAndLeavesNothingElse) {
    const std::string path = WriteFile("propsave.owv", "old contents that are longer than the new ones");
    TemplateWriter writer(path);
    writer.Write("A", "K", "1");
    // Until the save ends the old file stays as it was.
    EXPECT_EQ(ReadFile(path), "old contents that are longer than the new ones");
    ASSERT_TRUE(writer.Commit());
    EXPECT_EQ(ReadFile(path), "\r\n[A]\r\nK=1\r\n");
    EXPECT_EQ(FilesIn(Folder()), 1);
}

TEST_F(TemplateWriteTest, ASaveNotCommittedLeavesTheOldFileAndNothingElse) {
    const std::string path = WriteFile("kept.owv", "old");
    {
        TemplateWriter writer(path);
        EXPECT_TRUE(writer.Write("A", "K", "1"));
    }
    EXPECT_EQ(ReadFile(path), "old");
    EXPECT_EQ(FilesIn(Folder()), 1);
}

TEST_F(TemplateWriteTest, ASaveThroughLinksReplacesTheirTargetAndKeepsTheLinks) {
    namespace fs = std::filesystem;
    const std::string real = WriteFile("real.owv", "old");
    fs::create_directories(Folder() / "links");
    fs::create_symlink("../real.owv", Folder() / "links" / "relative.owv");
    fs::create_symlink(Folder() / "links" / "relative.owv", Folder() / "absolute.owv");
    fs::create_symlink("later.owv", Folder() / "dangling.owv");
    for (const char* name : {"links/relative.owv", "absolute.owv"}) {
        ASSERT_TRUE(SaveEntry((Folder() / name).string(), name));
        EXPECT_EQ(ReadFile(real), std::string("\r\n[A]\r\nK=") + name + "\r\n");
    }
    // A link to a file that does not exist yet creates that file.
    ASSERT_TRUE(SaveEntry((Folder() / "dangling.owv").string()));
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
    TemplateWriter writer(PathOf("a.owv"));
    EXPECT_FALSE(writer.Write("A", "K", "1"));
    EXPECT_FALSE(writer.Commit());
    EXPECT_TRUE(std::filesystem::is_symlink(PathOf("a.owv")));
}

TEST_F(TemplateWriteTest, ASaveKeepsThePermissionsOfTheFileItReplaces) {
    using std::filesystem::perms;
    const perms others = perms::others_read | perms::others_write;
    for (const perms mode : {perms::owner_read | perms::owner_write, perms::owner_all | perms::group_read | others}) {
        const std::string path = WriteFile("kept.owv", "old");
        std::filesystem::permissions(path, mode);
        ASSERT_TRUE(SaveEntry(path));
        EXPECT_EQ(std::filesystem::status(path).permissions(), mode);
    }
    // A new file gets what the file mask leaves.
    const mode_t mask = ::umask(027);
    ASSERT_TRUE(SaveEntry(PathOf("new.owv")));
    ::umask(mask);
    EXPECT_EQ(std::filesystem::status(PathOf("new.owv")).permissions(),
              perms::owner_read | perms::owner_write | perms::group_read);
}

TEST_F(TemplateWriteTest, AFileThatCannotBeCreatedIsReported) {
    const std::string path = (Folder() / "missing" / "t.owv").string();
    {
        TemplateWriter writer(path);
        EXPECT_TRUE(writer.Failed());
        EXPECT_FALSE(writer.Write("A", "K", "1"));
        EXPECT_FALSE(writer.Commit());
    }
    EXPECT_FALSE(std::filesystem::exists(path));
    // The failure ends with the save: the next one starts afresh.
    EXPECT_TRUE(SaveEntry(PathOf("t.owv")));
}

TEST_F(TemplateWriteTest, AFailedReplaceKeepsTheTargetAndRemovesTheTemporaryFile) {
    // A folder cannot be replaced by a file.
    const std::filesystem::path target = Folder() / "taken.owv";
    std::filesystem::create_directories(target / "inside");
    TemplateWriter writer(target.string());
    EXPECT_TRUE(writer.Write("A", "K", "1"));
    EXPECT_FALSE(writer.Commit());
    EXPECT_TRUE(std::filesystem::is_directory(target / "inside"));
    EXPECT_EQ(FilesIn(Folder()), 1);
}

}  // namespace
}  // namespace orbweave
