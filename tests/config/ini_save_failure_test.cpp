#include "ini_fixtures.h"
#include "support/file_size_limit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace {

// Passes writes on to the real file until `budget` bytes have gone through,
// then fails every write; unbuffered, so the failure strikes mid-document.
class FailingWriter : public FileWriter {
public:
    size_t budget = 0;
    bool closeFails = false;

    FILE* Open(const char* path) override {
        real_ = std::fopen(path, "wb");
        FILE* file = fopencookie(this, "wb", {nullptr, &Write, nullptr, &CloseReal});
        std::setvbuf(file, nullptr, _IONBF, 0);
        return file;
    }
    bool Close(FILE* file) override { return std::fclose(file) == 0 && !closeFails; }

private:
    static ssize_t Write(void* cookie, const char* data, size_t size) {
        auto* self = static_cast<FailingWriter*>(cookie);
        const size_t passed = std::min(size, self->budget);
        self->budget -= passed;
        std::fwrite(data, 1, passed, self->real_);
        return passed == size ? static_cast<ssize_t>(size) : -1;
    }
    static int CloseReal(void* cookie) {
        return std::fclose(static_cast<FailingWriter*>(cookie)->real_);
    }

    FILE* real_ = nullptr;
};

class SaveFailure : public testing::Test {
protected:
    TempDir dir;
    std::string file = dir.File("Tavlion.INI");
    SettingsFields fields;
    TextObject board;
    CFileStorage document;
    std::string oldBytes = "old settings\r\n\r\n[Settings]\r\nMusic=0\r\n";

    void SetUp() override {
        document.SetBanner("banner");
        BindSettings(document, fields);
        document.AddPartition("Board")->AddItem("Figures", &board, INI_OBJECT);
        board.text = "figures";
        WriteBytes(file, oldBytes);
    }
    bool OnlyTheOldFileIsThere() const {
        return ReadBytes(file) == oldBytes &&
               std::distance(std::filesystem::directory_iterator(dir.Path()),
                             std::filesystem::directory_iterator()) == 1;
    }
};

TEST_F(SaveFailure, WriteFailingAtAnyByteKeepsTheOldFile) {
    ASSERT_EQ(document.Save(dir.File("reference.INI").c_str()), 1);
    const std::string complete = ReadBytes(dir.File("reference.INI"));
    std::filesystem::remove(dir.File("reference.INI"));
    FailingWriter writer;
    document.SetFileWriter(&writer);
    for (size_t budget = 0; budget < complete.size(); ++budget) {
        writer.budget = budget;
        ASSERT_EQ(document.Save(file.c_str()), 0) << "failing after " << budget << " bytes";
        ASSERT_TRUE(OnlyTheOldFileIsThere()) << "failing after " << budget << " bytes";
    }
    writer.budget = complete.size();
    EXPECT_EQ(document.Save(), 1);
    EXPECT_EQ(ReadBytes(file), complete);
}

TEST_F(SaveFailure, FullDiskKeepsTheOldFile) {
    board.text = std::string(64 * 1024, 'x'); // beyond any stdio buffer
    {
        FileSizeLimit limit(4096);
        EXPECT_EQ(document.Save(file.c_str()), 0);
    }
    EXPECT_TRUE(OnlyTheOldFileIsThere());
    EXPECT_EQ(document.Save(), 1);
    EXPECT_NE(ReadBytes(file), oldBytes);
}

TEST_F(SaveFailure, CloseFailureKeepsTheOldFile) {
    FailingWriter writer;
    writer.budget = 1 << 20;
    writer.closeFails = true;
    document.SetFileWriter(&writer);
    EXPECT_EQ(document.Save(file.c_str()), 0);
    EXPECT_TRUE(OnlyTheOldFileIsThere());
}

TEST_F(SaveFailure, ObjectReportingFailureKeepsTheOldFile) {
    board.writeResult = 0;
    EXPECT_EQ(document.Save(file.c_str()), 0);
    EXPECT_TRUE(OnlyTheOldFileIsThere());
}

TEST_F(SaveFailure, UnwritablePlacesReportFailure) {
    EXPECT_EQ(document.Save(dir.File("no/such/dir/Tavlion.INI").c_str()), 0);
    std::filesystem::create_directory(dir.File("taken"));
    WriteBytes(dir.File("taken/inside"), "x");
    EXPECT_EQ(document.Save(dir.File("taken").c_str()), 0); // a directory cannot be replaced
    EXPECT_FALSE(std::filesystem::exists(dir.File("taken.tmp")));
    CFileStorage unnamed;
    EXPECT_EQ(unnamed.Save(), 0);
}

} // namespace
