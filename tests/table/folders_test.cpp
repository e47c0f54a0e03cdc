// Where the shipped data is found, seen from the executable's folder.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "table/folders.h"

using namespace qolvar::table;

TEST(DataFolder, BesideTheBinaryElseShareOfThePrefixElseTheBinarysFolder)
{
    struct Case {
        const char* name;
        bool beside, installed;
        const char* expected;
    };
    const Case cases[] = {
        {"build tree", true, false, "bin"},
        {"installed prefix", false, true, "share/qolvar"},
        {"both: the data beside the binary wins", true, true, "bin"},
        {"neither: errors name the binary's folder", false, false, "bin"},
    };
    for (const Case& c : cases) {
        QTemporaryDir root;
        ASSERT_TRUE(QDir(root.path()).mkpath("bin"));
        if (c.beside) {
            QFile f(root.filePath("bin/Z8721_YxyD65.csv"));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        }
        if (c.installed) {
            ASSERT_TRUE(QDir(root.path()).mkpath("share/qolvar"));
        }
        EXPECT_EQ(DataFolderFor(root.filePath("bin")), root.filePath(c.expected)) << c.name;
    }
}
