// The registry layer against a real registry: a scratch key below
// HKCU\Software\HuetroveTests that each test removes again.
#include "settings/RegistryStore.h"

#include <gtest/gtest.h>

#include <atomic>
#include <climits>
#include <string>
#include <thread>
#include <vector>

#include "Harness.h"
#include "framework/Exception.h"

namespace settings {
namespace {

constexpr char kTestsRoot[] = "Software\\HuetroveTests";

template <typename Action>
std::string ErrorOf(Action&& action) {
    try {
        action();
    } catch (const fw::Exception& e) {
        return e.what();
    }
    return "(no error)";
}

class RegistryStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        subKey_ = std::string(kTestsRoot) + "\\" + info->name() + "-" + std::to_string(GetCurrentProcessId()) + "-" +
                  std::to_string(GetTickCount64());
        path_ = "\\" + subKey_;
        raw_.path = subKey_;
        RegDeleteTreeA(HKEY_CURRENT_USER, subKey_.c_str());
    }

    void TearDown() override {
        EXPECT_EQ(RegDeleteTreeA(HKEY_CURRENT_USER, subKey_.c_str()), ERROR_SUCCESS);
        RegDeleteKeyA(HKEY_CURRENT_USER, kTestsRoot);  // only goes when no other run still uses it
    }

    // A value as stored, read behind the store's back; of type REG_NONE when there is none.
    harness::RegistryValue Get(const char* name) const { return harness::RegistryValues(subKey_)[name]; }

    std::string subKey_;  // below HKEY_CURRENT_USER, as the registry calls take it
    std::string path_;    // the same, rooted, as the store's callers write key paths
    harness::TestKey raw_;  // values stored behind the store's back
};

TEST_F(RegistryStoreTest, OpeningCreatesTheKeyAndItsMissingParents) {
    const std::string deep = path_ + "\\Brightquill\\Huetrove";
    EXPECT_FALSE(KeyExists(path_));
    EXPECT_FALSE(KeyExists(deep));
    {
        RegistryKey key(deep);
        EXPECT_TRUE(key.IsOpen());
        key.WriteInteger("WindowTop", 640);
    }
    EXPECT_TRUE(KeyExists(path_));
    EXPECT_TRUE(KeyExists(deep));
    EXPECT_TRUE(KeyExists(subKey_ + "\\Brightquill\\Huetrove"));  // the root marker is optional
    EXPECT_FALSE(KeyExists(deep + "\\Missing"));
    EXPECT_EQ(RegistryKey(subKey_ + "\\Brightquill\\Huetrove").ReadInteger("WindowTop"), 640);
}

TEST_F(RegistryStoreTest, NumbersRoundTripAsFourByteDwords) {
    RegistryKey key(path_);
    for (const int value : {0, 1, -1, 640, 1118, -32000, INT_MIN, INT_MAX}) {
        key.WriteInteger("WindowLeft", value);
        EXPECT_EQ(key.ReadInteger("WindowLeft"), value);
        const harness::RegistryValue raw = Get("WindowLeft");
        EXPECT_EQ(raw.type, static_cast<DWORD>(REG_DWORD));
        EXPECT_EQ(raw.data.size(), 4u);
    }
    raw_.PutDword("WindowLeft", 0xFFFFFF9Cu);
    EXPECT_EQ(key.ReadInteger("WindowLeft"), -100);
}

TEST_F(RegistryStoreTest, BooleansAreStoredAsZeroOrOneAndReadAsNonZero) {
    RegistryKey key(path_);
    key.WriteBool("MinimizeClose", true);
    key.WriteBool("SystemStartup", false);
    EXPECT_EQ(Get("MinimizeClose").data, (std::vector<unsigned char>{1, 0, 0, 0}));
    EXPECT_EQ(Get("SystemStartup").data, (std::vector<unsigned char>{0, 0, 0, 0}));
    EXPECT_TRUE(key.ReadBool("MinimizeClose"));
    EXPECT_FALSE(key.ReadBool("SystemStartup"));

    raw_.PutDword("MinimizeClose", 7);
    EXPECT_TRUE(key.ReadBool("MinimizeClose"));
    raw_.PutDword("MinimizeClose", 0x80000000u);
    EXPECT_TRUE(key.ReadBool("MinimizeClose"));
    EXPECT_EQ(ErrorOf([&] { key.ReadBool("Missing"); }), "Failed to get data for 'Missing'");
}

TEST_F(RegistryStoreTest, TextsRoundTripWithTheirNul) {
    RegistryKey key(path_);
    key.WriteString("ActivePS", "palWeb");
    harness::RegistryValue raw = Get("ActivePS");
    EXPECT_EQ(raw.type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(raw.data, (std::vector<unsigned char>{'p', 'a', 'l', 'W', 'e', 'b', 0}));
    EXPECT_EQ(key.ReadString("ActivePS"), "palWeb");

    key.WriteString("ActivePS", "");
    raw = Get("ActivePS");
    EXPECT_EQ(raw.type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(raw.data, (std::vector<unsigned char>{0}));
    EXPECT_EQ(key.ReadString("ActivePS"), "");

    const std::string longText(100000, 'x');
    key.WriteString("DblClickAction", longText);
    EXPECT_EQ(Get("DblClickAction").data.size(), longText.size() + 1);
    EXPECT_EQ(key.ReadString("DblClickAction"), longText);
}

TEST_F(RegistryStoreTest, ReadNumberErrors) {
    RegistryKey key(path_);
    EXPECT_EQ(ErrorOf([&] { key.ReadInteger("WindowTop"); }), "Failed to get data for 'WindowTop'");

    raw_.PutText("WindowTop", "1");  // 2 bytes: read, but not a number
    EXPECT_EQ(ErrorOf([&] { key.ReadInteger("WindowTop"); }), "Invalid data type for 'WindowTop'");
    raw_.PutText("WindowTop", "123");  // exactly 4 bytes
    EXPECT_EQ(ErrorOf([&] { key.ReadInteger("WindowTop"); }), "Invalid data type for 'WindowTop'");
    raw_.PutText("WindowTop", "12345");  // 6 bytes do not fit
    EXPECT_EQ(ErrorOf([&] { key.ReadInteger("WindowTop"); }), "Failed to get data for 'WindowTop'");

    const unsigned char eight[8] = {1, 0, 0, 0, 0, 0, 0, 0};
    raw_.Put("WindowLeft", REG_QWORD, eight, sizeof eight);
    EXPECT_EQ(ErrorOf([&] { key.ReadInteger("WindowLeft"); }), "Failed to get data for 'WindowLeft'");
    raw_.Put("WindowLeft", REG_DWORD, eight, sizeof eight);
    EXPECT_EQ(ErrorOf([&] { key.ReadInteger("WindowLeft"); }), "Failed to get data for 'WindowLeft'");
    raw_.Put("WindowLeft", REG_BINARY, eight, 4);
    EXPECT_EQ(ErrorOf([&] { key.ReadInteger("WindowLeft"); }), "Invalid data type for 'WindowLeft'");
    raw_.Put("WindowLeft", REG_DWORD_BIG_ENDIAN, eight, 4);
    EXPECT_EQ(ErrorOf([&] { key.ReadInteger("WindowLeft"); }), "Invalid data type for 'WindowLeft'");
}

TEST_F(RegistryStoreTest, ShortDwordsAreZeroExtended) {
    RegistryKey key(path_);
    const unsigned char two[2] = {0xFF, 0xFF};
    raw_.Put("WindowTop", REG_DWORD, two, sizeof two);
    EXPECT_EQ(key.ReadInteger("WindowTop"), 0xFFFF);
    raw_.Put("WindowTop", REG_DWORD, two, 1);
    EXPECT_EQ(key.ReadInteger("WindowTop"), 0xFF);
    raw_.Put("WindowTop", REG_DWORD, nullptr, 0);
    EXPECT_EQ(key.ReadInteger("WindowTop"), 0);
}

TEST_F(RegistryStoreTest, ReadTextOfEveryShape) {
    RegistryKey key(path_);
    EXPECT_EQ(ErrorOf([&] { EXPECT_EQ(key.ReadString("ActivePS"), ""); }), "(no error)");

    raw_.Put("ActivePS", REG_SZ, "", 0);
    EXPECT_EQ(key.ReadString("ActivePS"), "");
    raw_.Put("ActivePS", REG_BINARY, "", 0);  // size 0 wins over the type
    EXPECT_EQ(key.ReadString("ActivePS"), "");

    raw_.Put("ActivePS", REG_SZ, "schXP", 5);  // stored without its NUL
    EXPECT_EQ(key.ReadString("ActivePS"), "schXP");
    raw_.Put("ActivePS", REG_SZ, "pal\0Web", 8);
    EXPECT_EQ(key.ReadString("ActivePS"), "pal");
    const std::string longText(100000, 'q');
    raw_.Put("ActivePS", REG_SZ, longText.data(), longText.size());  // long and unterminated
    EXPECT_EQ(key.ReadString("ActivePS"), longText);

    raw_.PutText("ActivePS", "%SystemRoot%\\palWeb", REG_EXPAND_SZ);
    EXPECT_EQ(key.ReadString("ActivePS"), "%SystemRoot%\\palWeb");

    raw_.Put("DblClickAction", REG_BINARY, "Screen", 7);
    EXPECT_EQ(ErrorOf([&] { key.ReadString("DblClickAction"); }), "Invalid data type for 'DblClickAction'");
    raw_.PutDword("DblClickAction", 1);
    EXPECT_EQ(ErrorOf([&] { key.ReadString("DblClickAction"); }), "Invalid data type for 'DblClickAction'");
    raw_.Put("DblClickAction", REG_MULTI_SZ, "Screen\0\0", 8);
    EXPECT_EQ(ErrorOf([&] { key.ReadString("DblClickAction"); }), "Invalid data type for 'DblClickAction'");
}

TEST_F(RegistryStoreTest, ReadTextWhileAnotherWriterResizesIt) {
    const std::string shortText = "a";
    const std::string longText(5000, 'b');
    raw_.PutText("ActivePS", shortText);
    HKEY writerKey = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, subKey_.c_str(), 0, KEY_SET_VALUE, &writerKey), ERROR_SUCCESS);
    std::atomic<bool> stop = false;
    // Resizing as fast as it can, so reads land between our size and data queries.
    std::thread writer([&] {
        for (bool grow = true; !stop; grow = !grow) {
            const std::string& text = grow ? longText : shortText;
            RegSetValueExA(writerKey, "ActivePS", 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                           static_cast<DWORD>(text.size() + 1));
        }
    });
    RegistryKey key(path_);
    int mismatches = 0;
    for (int i = 0; i < 3000; ++i) {
        std::string text;
        EXPECT_EQ(ErrorOf([&] { text = key.ReadString("ActivePS"); }), "(no error)");
        mismatches += text != shortText && text != longText;
    }
    stop = true;
    writer.join();
    RegCloseKey(writerKey);
    EXPECT_EQ(mismatches, 0);
}

TEST_F(RegistryStoreTest, DeleteValue) {
    RegistryKey key(path_);
    key.WriteString("Huetrove", "C:\\Huetrove\\Huetrove.exe");
    key.DeleteValue("Huetrove");
    EXPECT_FALSE(harness::RegistryValueExists(subKey_, "Huetrove"));
    EXPECT_EQ(ErrorOf([&] { key.DeleteValue("Huetrove"); }), "(no error)");
}

TEST_F(RegistryStoreTest, AKeyThatCannotBeOpenedFailsEveryAccess) {
    // A non-volatile key cannot live below a volatile one.
    raw_.PutDword("Present", 1);  // the scratch key itself lasts
    ASSERT_TRUE(harness::CreateRegistryKey(subKey_ + "\\Volatile", REG_OPTION_VOLATILE));

    RegistryKey key(path_ + "\\Volatile\\Settings");
    EXPECT_FALSE(key.IsOpen());
    EXPECT_EQ(ErrorOf([&] { key.WriteInteger("WindowTop", 1); }), "Failed to set data for 'WindowTop'");
    EXPECT_EQ(ErrorOf([&] { key.WriteBool("MinimizeClose", true); }), "Failed to set data for 'MinimizeClose'");
    EXPECT_EQ(ErrorOf([&] { key.WriteString("ActivePS", "palWeb"); }), "Failed to set data for 'ActivePS'");
    EXPECT_EQ(ErrorOf([&] { key.ReadInteger("WindowLeft"); }), "Failed to get data for 'WindowLeft'");
    EXPECT_EQ(ErrorOf([&] { key.ReadBool("SystemStartup"); }), "Failed to get data for 'SystemStartup'");
    EXPECT_EQ(ErrorOf([&] { EXPECT_EQ(key.ReadString("DblClickAction"), ""); }), "(no error)");
    EXPECT_EQ(ErrorOf([&] { key.DeleteValue("Huetrove"); }), "(no error)");
    EXPECT_FALSE(KeyExists(path_ + "\\Volatile\\Settings"));
}

TEST_F(RegistryStoreTest, WritingIntoADeletedKeyFails) {
    RegistryKey key(path_ + "\\Gone");
    ASSERT_TRUE(key.IsOpen());
    ASSERT_EQ(RegDeleteKeyA(HKEY_CURRENT_USER, (subKey_ + "\\Gone").c_str()), ERROR_SUCCESS);
    EXPECT_EQ(ErrorOf([&] { key.WriteInteger("WindowTop", 1); }), "Failed to set data for 'WindowTop'");
    EXPECT_EQ(ErrorOf([&] { key.WriteString("ActivePS", ""); }), "Failed to set data for 'ActivePS'");
}

TEST_F(RegistryStoreTest, LeavesNoHandleOpen) {
    raw_.PutText("WindowTop", "12345");
    const auto round = [&](int i) {
        EXPECT_TRUE(KeyExists(path_));
        EXPECT_FALSE(KeyExists(path_ + "\\Missing"));
        RegistryKey key(path_ + "\\Sub");
        key.WriteInteger("WindowLeft", i);
        key.WriteString("ActivePS", "palWeb");
        EXPECT_EQ(key.ReadString("ActivePS"), "palWeb");
        key.DeleteValue("ActivePS");
        RegistryKey(path_).ReadString("Missing");
        EXPECT_THROW(RegistryKey(path_).ReadInteger("WindowTop"), fw::Exception);
    };
    // One round before counting: the process's first thrown exception makes two handles
    // that the C++ runtime keeps, which a case run alone would take for the store's.
    round(0);
    const long before = harness::HandleCount(GetCurrentProcess());
    ASSERT_GT(before, 0);
    for (int i = 0; i < 200; ++i)
        round(i);
    EXPECT_EQ(harness::HandleCount(GetCurrentProcess()), before);
}

}  // namespace
}  // namespace settings
