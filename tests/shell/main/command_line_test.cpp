#include "shell/main/command_line.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

using Action = CommandLine::Action;

TEST(CommandLineTest, EditFileHelpVersionAndMistakes) {
    EXPECT_EQ(parseCommandLine({"quarrow"}).action, Action::Play);
    // The menu entry passes --edit with no file: an ordinary start.
    const CommandLine menu = parseCommandLine({"quarrow", "--edit"});
    EXPECT_EQ(menu.action, Action::Play);
    EXPECT_TRUE(menu.editFile.isEmpty());

    const CommandLine edit = parseCommandLine({"quarrow", "--edit", "/tmp/My Theme.qrw"});
    EXPECT_EQ(edit.action, Action::Play);
    EXPECT_EQ(edit.editFile, "/tmp/My Theme.qrw");
    EXPECT_EQ(parseCommandLine({"quarrow", "--", "-odd.qrw"}).editFile,
              QDir::current().absoluteFilePath("-odd.qrw"));

    EXPECT_EQ(parseCommandLine({"quarrow", "--help"}).action, Action::Help);
    EXPECT_EQ(parseCommandLine({"quarrow", "--edit", "a.qrw", "-v"}).action, Action::Version);
    EXPECT_EQ(parseCommandLine({"quarrow", "--fast"}).action, Action::Error);
    EXPECT_EQ(parseCommandLine({"quarrow", "a.qrw", "b.qrw"}).action, Action::Error);
    EXPECT_TRUE(commandLineHelp().startsWith("Usage: quarrow [--edit] [FILE]"));
    EXPECT_TRUE(versionText().startsWith("quarrow 1."));
}

TEST(CommandLineTest, ProgramFolderIsFoundBesideTheExecutableOrUnderTheSharePath) {
    QTemporaryDir dir;
    const QString root = dir.path();
    // Installed: <prefix>/bin/quarrow with <prefix>/share/quarrow/data.
    QDir().mkpath(root + "/usr/bin");
    QDir().mkpath(root + "/usr/share/quarrow/data");
    EXPECT_EQ(locateProgramFolder(root + "/usr/bin", "../share/quarrow"),
              root + "/usr/share/quarrow");
    // A build folder (or a program folder moved anywhere) keeps data/ beside the executable.
    QDir().mkpath(root + "/build/quarrow/data");
    EXPECT_EQ(locateProgramFolder(root + "/build/quarrow", "../share/quarrow"),
              root + "/build/quarrow");
    // Nothing found: the executable's folder, where the missing files will be reported.
    QDir().mkpath(root + "/elsewhere");
    EXPECT_EQ(locateProgramFolder(root + "/elsewhere", "../share/quarrow"), root + "/elsewhere");
}
