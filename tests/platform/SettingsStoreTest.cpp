#include "platform/MemorySettingsStore.h"
#include "platform/qt/QtSettingsStore.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <sys/stat.h>

#include <memory>

using namespace tarlix;

namespace {

const std::string kFunction = "SOFTWARE\\TARLIX\\Option\\Function";
const std::string kScaleX = "SOFTWARE\\TARLIX\\Option\\ScaleX";

// One table of cases for both stores. The INI store is reopened from its file before the
// reads, so every case goes through the file; the memory store is simply read again.
class SettingsStoreTest : public ::testing::TestWithParam<bool> {
protected:
    bool onFile() const { return GetParam(); }
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        store_ = open();
    }
    std::unique_ptr<SettingsStore> open() {
        if (onFile()) return std::make_unique<QtSettingsStore>(dir_.filePath("tarlix.ini"));
        return std::make_unique<MemorySettingsStore>();
    }
    SettingsStore& reopened() {
        if (onFile()) {
            store_.reset();
            store_ = open();
        }
        return *store_;
    }
    SettingsStore& store() { return *store_; }

private:
    QTemporaryDir dir_;
    std::unique_ptr<SettingsStore> store_;
};

} // namespace

TEST_P(SettingsStoreTest, EveryKindRoundTrips) {
    const std::string text = "@x \xB0\xB7\xD7 \xE9, \"a;b\" \\ =[x]";
    store().writeInteger(kFunction, "AngleMode", -2147483647 - 1);
    store().writeBool(kFunction, "ComplexMode", true);
    store().writeFloat(kScaleX, "High", 0.1);
    store().writeFloat(kScaleX, "Low", -5);
    store().writeFloat(kScaleX, "base", 1e-300);
    store().writeString(kScaleX, "Caption", text);
    store().writeString(kScaleX, "Letter", "");
    store().writeString(kScaleX, "SCaption", "  ;# blanks and comment signs ");
    store().writeString(kScaleX, "", "default");

    SettingsStore& s = reopened();
    EXPECT_EQ(s.readInteger(kFunction, "AngleMode"), -2147483647 - 1);
    EXPECT_EQ(s.readBool(kFunction, "ComplexMode"), true);
    EXPECT_EQ(s.readFloat(kScaleX, "High"), 0.1);
    EXPECT_EQ(s.readFloat(kScaleX, "Low"), -5.0);
    EXPECT_EQ(s.readFloat(kScaleX, "base"), 1e-300);
    EXPECT_EQ(s.readString(kScaleX, "Caption"), text);
    EXPECT_EQ(s.readString(kScaleX, "Letter"), "");
    EXPECT_EQ(s.readString(kScaleX, "SCaption"), "  ;# blanks and comment signs ");
    EXPECT_EQ(s.readString(kScaleX, ""), "default");
    EXPECT_EQ(s.readInteger("software/tarlix/Option/Function", "AngleMode"), std::nullopt);
    EXPECT_EQ(s.readInteger(kFunction + "\\", "AngleMode"), -2147483647 - 1);
}

TEST_P(SettingsStoreTest, MissingAndMismatchedValuesReadAsMissing) {
    store().writeFloat(kScaleX, "High", 2.5);
    store().writeString(kScaleX, "Caption", "12x");
    SettingsStore& s = reopened();
    EXPECT_EQ(s.readInteger(kScaleX, "VHigh"), std::nullopt); // no such value
    EXPECT_EQ(s.readString(kScaleX, "VHigh"), std::nullopt);
    EXPECT_FALSE(s.valueExists(kScaleX, "VHigh"));
    EXPECT_EQ(s.readInteger("SOFTWARE\\TARLIX\\Option\\ScaleY", "VHigh"), std::nullopt);
    EXPECT_EQ(s.readInteger(kScaleX, "High"), std::nullopt); // a float is not an integer
    EXPECT_EQ(s.readBool(kScaleX, "High"), std::nullopt);
    EXPECT_EQ(s.readFloat(kScaleX, "Caption"), std::nullopt);
    EXPECT_EQ(s.readString(kScaleX, "High"), "2.5");
    EXPECT_TRUE(s.valueExists(kScaleX, "High"));
}

TEST_P(SettingsStoreTest, KeysExistUntilDeletedWithEverythingBelow) {
    EXPECT_FALSE(store().keyExists("SOFTWARE\\TARLIX"));
    store().createKey("SOFTWARE\\TARLIX\\State");
    store().writeInteger(kFunction, "AngleMode", 1);
    store().writeInteger("SOFTWARE\\Other", "Kept", 7);
    SettingsStore& s = reopened();
    EXPECT_TRUE(s.keyExists("SOFTWARE\\TARLIX\\State"));  // created empty
    EXPECT_TRUE(s.keyExists("SOFTWARE\\TARLIX\\Option")); // a parent of a written value
    EXPECT_FALSE(s.keyExists("SOFTWARE\\TARLIX\\Default"));

    s.deleteValue(kFunction, "AngleMode");
    EXPECT_FALSE(s.valueExists(kFunction, "AngleMode"));
    EXPECT_TRUE(s.keyExists(kFunction)); // the key outlives its last value

    s.deleteKey("SOFTWARE\\TARLIX");
    s.deleteKey(""); // the root is never deleted
    SettingsStore& after = reopened();
    EXPECT_FALSE(after.keyExists("SOFTWARE\\TARLIX"));
    EXPECT_FALSE(after.keyExists("SOFTWARE\\TARLIX\\State"));
    EXPECT_EQ(after.readInteger(kFunction, "AngleMode"), std::nullopt);
    EXPECT_EQ(after.readInteger("SOFTWARE\\Other", "Kept"), 7);
}

INSTANTIATE_TEST_SUITE_P(BothStores, SettingsStoreTest, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "IniFile" : "Memory"; });

TEST(QtSettingsStore, FileIsReplacedNotOverwritten) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("tarlix.ini");
    QtSettingsStore store(path);
    store.writeInteger(kFunction, "AngleMode", 1);
    store.flush();
    struct stat before {};
    ASSERT_EQ(stat(path.toLocal8Bit().constData(), &before), 0);
    store.writeInteger(kFunction, "AngleMode", 2);
    store.flush();
    struct stat after {};
    ASSERT_EQ(stat(path.toLocal8Bit().constData(), &after), 0);
    EXPECT_NE(before.st_ino, after.st_ino); // a new file renamed over the old one
}
