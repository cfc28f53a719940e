// The command line of orvtest and the folder of the saved files.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/core/program_identity.h"
#include "app/core/saved_files_folder.h"
#include "app/core/start_arguments.h"
#include "orvtool_runner.h"

namespace orv {
namespace {

// What orvtest does with `arguments`, in words.
std::string Read(const std::vector<std::string>& arguments) {
    const StartArguments start = ReadStartArguments(arguments);
    const char* const choices[] = {"run", "help", "version", "wrong "};
    return choices[int(start.choice)] + start.wrong +
           (start.names_platform ? ", platform named" : "");
}

TEST(StartArguments, OwnOptionsActWrongLongOptionsAreRefusedTheRestIsTheToolkits) {
    EXPECT_EQ(Read({}), "run");
    EXPECT_EQ(Read({"--version", "--help"}), "version");
    EXPECT_EQ(Read({"-reverse", "--help", "--frobnicate"}), "help");
    EXPECT_EQ(Read({"--frobnicate", "--help"}), "wrong --frobnicate");
    EXPECT_EQ(Read({"--platform=xcb"}), "wrong --platform=xcb");  // Qt reads no "=" there
    EXPECT_EQ(Read({"--reverse", "--helpme"}), "wrong --helpme");
    // The toolkit's options in either form, their values whatever they look
    // like, and anything that is not a long option.
    EXPECT_EQ(Read({"--style=Fusion", "-stylesheet", "--a.qss", "-qwindowtitle", "--help", "--sync",
                    "-x", "file", "--"}),
              "run");
    EXPECT_EQ(Read({"-display", ":1", "--platform", "offscreen"}), "run, platform named");
    EXPECT_EQ(ProgramVersionText(),
              std::string("orvtest (Orvane Personality Test) ") + kVersion + "\n");
}

#ifdef ORVTEST_PATH
// orvtest itself, before it looks for a display: exit status, standard output and error.
TEST(StartArguments, OrvtestAnswersOnStandardOutputAndRefusesAWrongOptionWithStatus2) {
    const auto run = [](const char* arguments) {
        const testing::ToolResult ran = testing::TempFolder().Run(arguments, ORVTEST_PATH);
        return std::tuple(ran.exit_code, ran.out, ran.err);
    };
    const std::string none, wrong = "orvtest: unknown option --frobnicate\n";
    EXPECT_EQ(run("--help"), std::tuple(0, ProgramHelpText(), none));
    EXPECT_EQ(run("--version"), std::tuple(0, ProgramVersionText(), none));
    EXPECT_EQ(run("-style Fusion --frobnicate"), std::tuple(2, none, wrong + kProgramUsage));
}
#endif

TEST(SavedFilesFolder, IsTheProgramFolderWhenWritableElseTheUsersDataFolderMadeForTheUser) {
    const std::string id = kAppId;
    EXPECT_EQ(ChooseSavedFilesFolder("/opt/orv", true, "/x/data", "/home/u"), "/opt/orv");
    EXPECT_EQ(ChooseSavedFilesFolder("/opt/orv", false, "/x/data", "/home/u"), "/x/data/" + id);
    EXPECT_EQ(ChooseSavedFilesFolder("/opt/orv", false, "", "/home/u"),
              "/home/u/.local/share/" + id);
    EXPECT_EQ(ChooseSavedFilesFolder("/opt/orv", false, "data", "/home/u"),
              "/home/u/.local/share/" + id);  // a relative XDG_DATA_HOME is ignored
    EXPECT_EQ(ChooseSavedFilesFolder("/opt/orv", false, "", ""), "/opt/orv");

    namespace fs = std::filesystem;
    const testing::TempFolder temp;
    const std::string folder = temp.Path("home/.local/share/" + id);
    EXPECT_TRUE(MayCreateFilesIn(temp.Path("")));
    EXPECT_FALSE(MayCreateFilesIn(temp.Path("home")));  // not there yet
    ASSERT_TRUE(CreateUserFolder(folder));
    for (const std::string& made : {temp.Path("home"), folder}) {
        EXPECT_EQ(fs::status(made).permissions(), fs::perms::owner_all) << made;
    }
    EXPECT_TRUE(MayCreateFilesIn(folder));
    EXPECT_TRUE(CreateUserFolder(folder));  // already there
    EXPECT_FALSE(CreateUserFolder(temp.Write("file", "") + "/sub"));
}

}  // namespace
}  // namespace orv
