#include "platform/registry/store.h"

#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

#include <fstream>

#include "platform/registry/scoped_config.h"

namespace orbweave {
namespace {

using Access = RegistryStore::Access;

class StoreTest : public ::testing::Test {
protected:
    testing::ScopedConfig config;
    std::filesystem::path file = config.Root() / "store" / "registry.sqlite";
};

TEST(StorePaths, FollowTheXdgVariables) {
    testing::ScopedConfig config;
    EXPECT_EQ(UserStorePath(), config.Root() / "config" / "orbweave" / "registry.sqlite");
    config.Set("XDG_CONFIG_DIRS", "/opt/first:/opt/second");
    EXPECT_EQ(MachineStorePath(), std::filesystem::path("/opt/first/orbweave/registry.sqlite"));
}

TEST(StorePaths, FallBackToTheDefaults) {
    testing::ScopedConfig config;
    config.Set("XDG_CONFIG_HOME", "");
    config.Set("HOME", config.Root() / "home");
    config.Set("XDG_CONFIG_DIRS", "relative/path");
    EXPECT_EQ(UserStorePath(), config.Root() / "home" / ".config" / "orbweave" / "registry.sqlite");
    EXPECT_EQ(MachineStorePath(), std::filesystem::path("/etc/xdg/orbweave/registry.sqlite"));
    // A session that sets no HOME still has the home folder of its account.
    config.Unset("XDG_CONFIG_HOME");
    config.Unset("HOME");
    const passwd* account = ::getpwuid(::geteuid());
    ASSERT_NE(account, nullptr);
    EXPECT_EQ(UserStorePath(), std::filesystem::path(account->pw_dir) / ".config" / "orbweave" / "registry.sqlite");
}

TEST_F(StoreTest, CreatesItsFolderAndKeepsValuesAcrossOpens) {
    {
        auto store = RegistryStore::Open(file, Access::ReadWrite);
        ASSERT_TRUE(store);
        EXPECT_TRUE(store->WriteValue("A\\B", "Name", "value"));
    }
    auto store = RegistryStore::Open(file, Access::ReadOnly);
    ASSERT_TRUE(store);
    EXPECT_EQ(store->ReadValue("A\\B", "Name"), "value");
    EXPECT_FALSE(store->IsWritable());
    EXPECT_FALSE(store->WriteValue("A\\B", "Name", "other"));
    EXPECT_EQ(store->ReadValue("A\\B", "Name"), "value");
}

TEST_F(StoreTest, KeyPathsAndValueNamesIgnoreCase) {
    auto store = RegistryStore::Open(file, Access::ReadWrite);
    ASSERT_TRUE(store->WriteValue("Software\\Velmor", "FocalLength", "1"));
    ASSERT_TRUE(store->WriteValue("SOFTWARE\\VELMOR", "focallength", "2"));
    EXPECT_EQ(store->ReadValue("software\\velmor", "FOCALLENGTH"), "2");
}

TEST_F(StoreTest, ValuesKeepAnyLengthAndEmptyText) {
    auto store = RegistryStore::Open(file, Access::ReadWrite);
    const std::string longText(100000, 'x');
    ASSERT_TRUE(store->WriteValue("K", "long", longText));
    ASSERT_TRUE(store->WriteValue("K", "empty", ""));
    EXPECT_EQ(store->ReadValue("K", "long"), longText);
    EXPECT_EQ(store->ReadValue("K", "empty"), "");
    EXPECT_EQ(store->ReadValue("K", "missing"), std::nullopt);
}

TEST_F(StoreTest, DeletesOnlyKeysWithoutSubKeys) {
    auto store = RegistryStore::Open(file, Access::ReadWrite);
    store->WriteValue("U\\Galaxy1", "v", "1");
    store->WriteValue("U\\Galaxy10\\IFS", "v", "1");
    EXPECT_EQ(store->DeleteKey("U\\Galaxy10"), RegistryStore::DeleteResult::HasSubKeys);
    EXPECT_EQ(store->ReadValue("U\\Galaxy10\\IFS", "v"), "1");
    // A sibling whose name starts the same is not a sub-key.
    EXPECT_EQ(store->DeleteKey("u\\galaxy1"), RegistryStore::DeleteResult::Deleted);
    EXPECT_FALSE(store->KeyExists("U\\Galaxy1"));
    EXPECT_EQ(store->ReadValue("U\\Galaxy1", "v"), std::nullopt);
    EXPECT_EQ(store->DeleteKey("U\\Galaxy1"), RegistryStore::DeleteResult::Missing);
}

TEST_F(StoreTest, AReadOnlyOpenOfAMissingFileFails) {
    EXPECT_FALSE(RegistryStore::Open(file, Access::ReadOnly));
    EXPECT_FALSE(std::filesystem::exists(file));
}

TEST_F(StoreTest, AnOpenFailsWhenTheFolderCannotBeCreated) {
    std::filesystem::create_directories(file.parent_path().parent_path());
    { std::ofstream blocker(file.parent_path()); }
    EXPECT_FALSE(RegistryStore::Open(file, Access::ReadWrite));
}

TEST_F(StoreTest, AReaderSeesTheLastCommitWhileAWriterWorks) {
    auto writer = RegistryStore::Open(file, Access::ReadWrite);
    auto reader = RegistryStore::Open(file, Access::ReadWrite);
    writer->WriteValue("K", "v", "committed");
    ASSERT_TRUE(writer->Begin());
    writer->WriteValue("K", "v", "pending");
    EXPECT_EQ(reader->ReadValue("K", "v"), "committed");
    EXPECT_TRUE(writer->End(true));
    EXPECT_EQ(reader->ReadValue("K", "v"), "pending");
}

}  // namespace
}  // namespace orbweave
