#include "app/UnitFile.h"

#include "tools/UnitFixture.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstring>

using namespace app;

namespace {

struct TempFiles {
    QTemporaryDir dir;
    std::string Path(const char* name) const { return dir.filePath(QString::fromUtf8(name)).toStdString(); }
};

} // namespace

TEST(UnitFile, LayoutOffsetsMatchTheGameFile) {
    EXPECT_EQ(FieldOffset(1), 16);
    EXPECT_EQ(FieldOffset(30), 45);
    EXPECT_EQ(FieldOffset(31), 46);
    EXPECT_EQ(FieldOffset(32), 48);
    EXPECT_EQ(FieldOffset(33), 49);
    EXPECT_EQ(FieldOffset(34), 51);
    EXPECT_EQ(FieldOffset(35), 53);
    EXPECT_EQ(FieldOffset(46), 64);
    for (int c = 1; c <= 46; ++c) {
        EXPECT_EQ(IsWordColumn(c), fixture::IsWordField(c)) << c;
        EXPECT_EQ(static_cast<std::size_t>(16 + FieldOffset(c)), fixture::FieldPos(0, c)) << c;
    }
}

TEST(UnitFile, LoadThenSaveWritesTheSameBytes) {
    TempFiles files;
    fixture::Bytes input = fixture::MakeSampleUnitFile();
    input.insert(input.end(), {1, 2, 3}); // bytes past the layout are dropped
    ASSERT_TRUE(fixture::WriteBytes(files.Path("in.prm"), input));
    auto image = std::make_unique<TUnitFileImage>();
    ASSERT_EQ(ReadUnitFile(files.Path("in.prm"), *image), TLoadResult::Loaded);
    ASSERT_EQ(SaveUnitFile(files.Path("out.prm"), *image), TSaveResult::Saved);
    input.resize(fixture::kFileSize);
    EXPECT_EQ(fixture::ReadBytes(files.Path("out.prm")), input);
}

TEST(UnitFile, OnlyTheMagicWithItsNulIsAccepted) {
    struct Case {
        const char* name;
        std::string header;
        TLoadResult expected;
    } cases[] = {
        {"magic", std::string("EXWPNIN\0", 8), TLoadResult::Loaded},
        {"magic, other bytes 8-15", std::string("EXWPNIN\0\xFF\x01xyzabc", 16), TLoadResult::Loaded},
        {"no NUL at 7", "EXWPNINX", TLoadResult::NotAUnitFile},
        {"lower case", std::string("exwpnin\0", 8), TLoadResult::NotAUnitFile},
        {"empty", "", TLoadResult::NotAUnitFile},
    };
    for (const Case& c : cases) {
        TempFiles files;
        fixture::Bytes bytes = fixture::MakeSampleUnitFile();
        if (c.header.empty())
            bytes.clear();
        else
            std::memcpy(bytes.data(), c.header.data(), c.header.size());
        ASSERT_TRUE(fixture::WriteBytes(files.Path("f.prm"), bytes));
        auto image = std::make_unique<TUnitFileImage>();
        std::memset(image.get(), 0x5A, sizeof(TUnitFileImage));
        EXPECT_EQ(ReadUnitFile(files.Path("f.prm"), *image), c.expected) << c.name;
        if (c.expected != TLoadResult::Loaded)
            EXPECT_EQ(image->HeaderBytes[0], 0x5A) << c.name << ": image changed";
        else
            EXPECT_EQ(0, std::memcmp(image.get(), bytes.data(), fixture::kFileSize)) << c.name;
    }
}

TEST(UnitFile, TruncatedAndMissingFilesAreNotLoaded) {
    TempFiles files;
    fixture::Bytes bytes = fixture::MakeSampleUnitFile();
    bytes.resize(fixture::kFileSize - 1);
    ASSERT_TRUE(fixture::WriteBytes(files.Path("short.prm"), bytes));
    auto image = std::make_unique<TUnitFileImage>();
    EXPECT_EQ(ReadUnitFile(files.Path("short.prm"), *image), TLoadResult::NotAUnitFile);
    EXPECT_EQ(ReadUnitFile(files.Path("missing.prm"), *image), TLoadResult::CannotBeOpened);
    EXPECT_EQ(ReadUnitFile(files.dir.path().toStdString(), *image), TLoadResult::CannotBeOpened);
}

TEST(UnitFile, SaveIntoAMissingFolderFailsAndWritesNothing) {
    TempFiles files;
    auto image = std::make_unique<TUnitFileImage>();
    EXPECT_EQ(SaveUnitFile(files.Path("no/such/dir/x.prm"), *image), TSaveResult::CannotBeOpened);
}

TEST(UnitFile, NamesReadUpToTheFirstNulAndAreWrittenWithSpaces) {
    const fixture::Bytes bytes = fixture::MakeSampleUnitFile();
    auto image = std::make_unique<TUnitFileImage>();
    std::memcpy(image.get(), bytes.data(), sizeof(TUnitFileImage));
    EXPECT_EQ(RecordName(image->Records[1]), "ABC");
    EXPECT_EQ(RecordName(image->Records[2]), "ABCDEFGHIJKLMNOP");
    EXPECT_EQ(RecordName(image->Records[3]), "ABCDEFGHIJKLMNO\x83");
    EXPECT_EQ(RecordName(image->Records[0]), fixture::Cp932("戦闘機ファルコン"));

    struct Case {
        std::string text;
        std::string stored;
    } cases[] = {
        {"AB", "AB              "},
        {"", std::string(16, ' ')},
        {"ABCDEFGHIJKLMNOPQRST", "ABCDEFGHIJKLMNOP"},
        {"ABCDEFGHIJKLMNO" + fixture::Cp932("戦"),
         "ABCDEFGHIJKLMNO\x90"}, // cut inside a double-byte character
    };
    for (const Case& c : cases) {
        StoreRecordName(image->Records[5], c.text);
        EXPECT_EQ(std::string(reinterpret_cast<char*>(image->Records[5].UnitName), 16), c.stored) << c.text;
    }
}

TEST(UnitFile, FieldValuesAreUnsignedLittleEndian) {
    fixture::Bytes bytes = fixture::MakeSampleUnitFile();
    fixture::WriteField(bytes, 7, 31, 0xFFFF);
    fixture::WriteField(bytes, 7, 1, 0xFF);
    auto image = std::make_unique<TUnitFileImage>();
    std::memcpy(image.get(), bytes.data(), sizeof(TUnitFileImage));
    EXPECT_EQ(FieldValue(FieldAddress(image->Records[4], 31), 31), 999u);
    EXPECT_EQ(FieldValue(FieldAddress(image->Records[4], 33), 33), 1000u);
    EXPECT_EQ(FieldValue(FieldAddress(image->Records[7], 31), 31), 65535u);
    EXPECT_EQ(FieldValue(FieldAddress(image->Records[7], 1), 1), 255u);
    for (int c = 1; c <= 46; ++c)
        EXPECT_EQ(FieldValue(FieldAddress(image->Records[9], c), c), fixture::ReadField(bytes, 9, c)) << c;
}

TEST(UnitFile, OnlyTheFilesBeginningIsReadFromADeviceThatNeverEnds) {
    auto image = std::make_unique<TUnitFileImage>();
    EXPECT_EQ(ReadUnitFile("/dev/zero", *image), TLoadResult::NotAUnitFile);
}
