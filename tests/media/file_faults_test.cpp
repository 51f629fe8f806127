// The file-fault switch: its rule list is parsed strictly, and every file operation it names
// fails with the chosen error while an old file stays as it was.
#include "engine/media/file_faults.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>

#include "engine/media/files.h"
#include "support/test_support.h"

namespace {

using media::FileOperation;

TEST(FileFaults, RuleListsAreParsedStrictly) {
    struct Row {
        const char* text;
        bool valid;
        std::size_t rules = 0;
        FileOperation operation = FileOperation::Open;
        const char* glob = "";
        int error = 0;
        std::uint64_t after = 0;
    };
    const Row rows[] = {
        {"", true, 0},
        {"write:*CACHE*:ENOSPC", true, 1, FileOperation::Write, "*CACHE*", ENOSPC},
        {"rename:*UNDO_*:EACCES,open:x:ENOENT", true, 2, FileOperation::Rename, "*UNDO_*", EACCES},
        {"read:*.png:EIO:after=3", true, 1, FileOperation::Read, "*.png", EIO, 3},
        {"mkdir:*/5:EROFS:after=0", true, 1, FileOperation::Mkdir, "*/5", EROFS},
        {"open:?:EPERM:after=18446744073709551615", true, 1, FileOperation::Open, "?", EPERM,
         18446744073709551615u},
        {"Write:*:ENOSPC", false},                             // operations are lower case
        {"delete:*:ENOENT", false},                            // no such operation
        {"write:*:enospc", false},                             // error names are upper case
        {"write:*:ENOSPACE", false},                           // no such error
        {"write::ENOSPC", false},                              // empty glob
        {"write:*", false},                                    // error missing
        {"write:*:ENOSPC:3", false},                           // the count needs after=
        {"write:*:ENOSPC:after=", false},                      // count missing
        {"write:*:ENOSPC:after=-1", false},                    // no sign
        {"write:*:ENOSPC:after=3x", false},                    // trailing characters
        {"write:*:ENOSPC:after=18446744073709551616", false},  // out of range
        {"write:*:ENOSPC:after=1:x", false},                   // too many fields
        {"write:*:ENOSPC,", false},                            // empty rule at the end
        {",write:*:ENOSPC", false},                            // empty rule at the start
        {" write:*:ENOSPC", false},                            // no blanks
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        std::string error;
        const auto rules = media::parseFileFaultRules(row.text, error);
        ASSERT_EQ(rules.has_value(), row.valid) << error;
        if (!row.valid) {
            EXPECT_FALSE(error.empty());
            continue;
        }
        ASSERT_EQ(rules->size(), row.rules);
        if (row.rules == 0) continue;
        EXPECT_EQ(rules->front().operation, row.operation);
        EXPECT_EQ(rules->front().glob, row.glob);
        EXPECT_EQ(rules->front().error, row.error);
        EXPECT_EQ(rules->front().after, row.after);
    }
}

TEST(FileFaults, GlobsMatchTheWholePath) {
    struct Row {
        const char* glob;
        const char* path;
        bool matches;
    };
    const Row rows[] = {
        {"*CACHE*", "./CACHE/5/0", true},
        {"*CACHE*", "./cache/5/0", false},
        {"*/5/?", "CACHE/5/0", true},
        {"*/5/?", "CACHE/5/10", false},
        {"*UNDO_*", "LOG/UNDO_12", true},
        {"UNDO_*", "LOG/UNDO_12", false},
        {"*a*b*c", "xaxbxbxc", true},
        {"*a*b*c", "xaxbxbxcx", false},
        {"*", "", true},
        {"?", "", false},
        {"exact", "exact", true},
        {"exact", "exactly", false},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(media::fileFaultGlobMatches(row.glob, row.path), row.matches)
            << row.glob << " on " << row.path;
    }
}

// Each operation of the file layer under a fault: it fails with the chosen error, the old
// file keeps its bytes and no temporary file is left.
TEST(FileFaults, EveryOperationFailsAndTheOldFileStays) {
    struct Row {
        const char* rules;
        const char* what;
    };
    const Row rows[] = {
        {"open:*target:EACCES", "replace"},   {"write:*target:ENOSPC", "replace"},
        {"rename:*target:EACCES", "replace"}, {"open:*target:ENOENT", "read whole"},
        {"read:*target:EIO", "read whole"},   {"open:*target:EACCES", "text open"},
        {"read:*target:EIO", "text read"},    {"write:*target:ENOSPC", "text write"},
        {"rename:*target:EACCES", "rename"},  {"mkdir:*newdir:EROFS", "mkdir"},
        {"open:*target:EACCES", "append"},    {"write:*target:EDQUOT", "append"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.rules) + " / " + row.what);
        testing_support::TempDir dir;
        const std::string target = dir.file("target");
        testing_support::writeFile(target, "old\r\n");
        std::string error;
        media::setFileFaultRules(*media::parseFileFaultRules(row.rules, error));
        errno = 0;
        const std::string what = row.what;
        bool failed = false;
        if (what == "replace") {
            failed = !media::replaceFileContents(target, "new");
        } else if (what == "read whole") {
            failed = !media::readWholeFile(target).has_value();
        } else if (what == "text open") {
            failed = !media::TextFile::open(target, media::OpenMode::ReadOnly).isOpen();
        } else if (what == "text read") {
            media::TextFile file = media::TextFile::open(target, media::OpenMode::ReadOnly);
            failed = file.atEnd() && file.readLine().empty();
        } else if (what == "text write") {
            media::TextFile file = media::TextFile::open(target, media::OpenMode::ReadWrite);
            file.writeLine("new");
            failed = !file.close();
        } else if (what == "rename") {
            testing_support::writeFile(dir.file("source"), "new");
            failed = !media::renameFile(dir.file("source"), target);
        } else if (what == "mkdir") {
            failed = !media::createDirectory(dir.file("newdir")) &&
                     !media::directoryExists(dir.file("newdir"));
        } else if (what == "append") {
            failed = !media::appendToFile(target, "new");
        }
        EXPECT_TRUE(failed);
        EXPECT_EQ(media::injectedFileFaultCount(), 1u);
        EXPECT_EQ(testing_support::readFile(target), "old\r\n");
        EXPECT_EQ(media::listDirectory(dir.path()).size(),
                  what == "rename" ? 2u : 1u);  // no temporary file left
        media::setFileFaultRules({});
    }
}

TEST(FileFaults, AfterLetsTheFirstCallsThrough) {
    testing_support::TempDir dir;
    std::string error;
    media::setFileFaultRules(*media::parseFileFaultRules("write:*/f?:ENOSPC:after=2", error));
    EXPECT_TRUE(media::replaceFileContents(dir.file("f1"), "1"));
    EXPECT_TRUE(media::replaceFileContents(dir.file("g1"), "1"));  // does not match
    EXPECT_TRUE(media::replaceFileContents(dir.file("f2"), "2"));
    EXPECT_FALSE(media::replaceFileContents(dir.file("f3"), "3"));
    EXPECT_FALSE(media::replaceFileContents(dir.file("f1"), "x"));
    EXPECT_EQ(media::injectedFileFaultCount(), 2u);
    EXPECT_EQ(testing_support::readFile(dir.file("f1")), "1");
    EXPECT_FALSE(media::fileExists(dir.file("f3")));
    media::setFileFaultRules({});
}

}  // namespace
