#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>

#include "RecordingHost.h"
#include "TempDir.h"
#include "Unprivileged.h"
#include "platform/Files.h"
#include "platform/RunningInstance.h"

namespace fs = std::filesystem;

namespace orv {
namespace {

void WriteBytes(const fs::path& p, const std::string& bytes) {
  std::ofstream(p, std::ios::binary) << bytes;
}

TEST(ResolveInFolder, FindsFilesWhateverTheirLetterCase) {
  test::TempDir dir;
  WriteBytes(dir.path() / "options.opt", "1\r\n");
  fs::create_directories(dir.path() / "Reports" / "N_Report");
  WriteBytes(dir.path() / "Reports" / "N_Report" / "Last.txt", "x");
  WriteBytes(dir.path() / "NATAL.ORB", "10");

  EXPECT_EQ(ResolveInFolder(dir.path(), "Options.opt"), dir.path() / "options.opt");
  EXPECT_EQ(ResolveInFolder(dir.path(), "natal.orb"), dir.path() / "NATAL.ORB");
  EXPECT_EQ(ResolveInFolder(dir.path(), "REPORTS\\n_report\\LAST.TXT"),
            dir.path() / "Reports" / "N_Report" / "Last.txt");
  // A file that is not there keeps its name, inside the folders that are.
  EXPECT_EQ(ResolveInFolder(dir.path(), "reports/LASTPAGE.TXT"),
            dir.path() / "Reports" / "LASTPAGE.TXT");
  // Of two names that differ only in case, the exact one wins.
  WriteBytes(dir.path() / "natal.ORB", "b");
  EXPECT_EQ(ResolveInFolder(dir.path(), "natal.ORB"), dir.path() / "natal.ORB");
  EXPECT_EQ(ResolveInFolder(dir.path(), "NATAL.ORB"), dir.path() / "NATAL.ORB");
}

// Long runs of ASCII are checked in blocks: a foreign byte or a UTF-8
// character anywhere around a block's edge must still be seen.
TEST(DecodeText, SeesEveryByteAroundLongRunsOfAscii) {
  for (size_t before = 0; before <= 17; ++before) {
    for (size_t after : {0u, 1u, 7u, 8u, 9u}) {
      const std::string a(before, 'a'), b(after, 'b');
      EXPECT_EQ(DecodeText(a + "\xFC" + b), a + "\xC3\xBC" + b) << before << " " << after;
      EXPECT_EQ(DecodeText(a + "\xC3\xBC" + b), a + "\xC3\xBC" + b) << before << " " << after;
      EXPECT_FALSE(IsUtf8(a + "\xC3" + b)) << before << " " << after;  // a cut-off character
    }
  }
}

TEST(DecodeText, ReadsUtf8AndWindows1252) {
  EXPECT_EQ(DecodeText("plain"), "plain");
  EXPECT_EQ(DecodeText("\xEF\xBB\xBF"
                       "Z\xC3\xBCrich"),
            "Z\xC3\xBCrich");
  // Windows-1252: u-umlaut, the euro sign and a right single quote.
  EXPECT_EQ(DecodeText("Z\xFCrich \x80 it\x92s"), "Z\xC3\xBCrich \xE2\x82\xAC it\xE2\x80\x99s");
  // A truncated UTF-8 sequence makes the whole text Windows-1252.
  EXPECT_EQ(DecodeText("\xC3"), "\xC3\x83");
  // Overlong encodings are not UTF-8.
  EXPECT_EQ(DecodeText("\xC0\xAF"), "\xC3\x80\xC2\xAF");
}

TEST(SplitLines, AcceptsEveryLineEnd) {
  using V = std::vector<std::string>;
  EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), (V{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitLines("a\r\n\r\n"), (V{"a", ""}));
  EXPECT_EQ(SplitLines(""), V{});
  EXPECT_EQ(JoinLinesCrLf({"a", "", "b"}), "a\r\n\r\nb\r\n");
  const V lines{"x", "", "y z"};
  EXPECT_EQ(SplitLines(JoinLinesCrLf(lines)), lines);
}

// Every byte comes back, for an empty file and one of several megabytes with
// every byte value (NUL, CR and 0xFF included).
TEST(ReadFileBytes, ReturnsTheWholeFile) {
  test::TempDir dir;
  for (const size_t size : {size_t{0}, size_t{3'000'017}}) {
    std::string bytes(size, '\0');
    for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 7919) % 256);
    WriteBytes(dir.path() / "f", bytes);
    EXPECT_EQ(ReadFileBytes(dir.path() / "f"), bytes) << size;
  }
  EXPECT_FALSE(ReadFileBytes(dir.path() / "none"));
}

TEST(ReadTextLines, ReadsDecodedLinesOrNothing) {
  test::TempDir dir;
  WriteBytes(dir.path() / "TZ.DAT", "Europe\xA0West\r\nPacific\n");
  const auto lines = ReadTextLines(dir.path() / "TZ.DAT");
  ASSERT_TRUE(lines);
  EXPECT_EQ(*lines, (std::vector<std::string>{"Europe\xC2\xA0West", "Pacific"}));
  EXPECT_FALSE(ReadTextLines(dir.path() / "missing.txt"));
}

TEST(AtomicSave, ReplacesTheFileWhole) {
  test::TempDir dir;
  const fs::path target = dir.path() / "Options.opt";
  WriteBytes(target, "old\r\n");
  fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(WriteFileAtomically(target, "new\r\n"), "");
  EXPECT_EQ(*ReadFileBytes(target), "new\r\n");
  EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  // No temporary file is left behind.
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
  // A new file is created too.
  EXPECT_EQ(WriteFileAtomically(dir.path() / "NEW.ORB", ""), "");
  EXPECT_TRUE(fs::exists(dir.path() / "NEW.ORB"));
}

// Saves into a read-only folder and returns whether the save failed with one
// "Warning!" naming the file.
bool SaveIntoReadOnlyFolderFails(const fs::path& target) {
  return test::RunUnprivileged([&] {
    test::RecordingHost host;
    const bool saved = SaveFileAtomically(host, target, "replacement");
    return !saved && host.messages.size() == 1 && host.messages[0].title == "Warning!" &&
           host.messages[0].text.rfind("Cannot save the file called " + target.string() + ": ",
                                       0) == 0;
  });
}

TEST(AtomicSave, AFailedSaveLeavesTheOldFileAndTellsTheUser) {
  test::TempDir dir;
  const fs::path folder = dir.path() / "locked";
  fs::create_directories(folder);
  const fs::path target = folder / "NAMES.FIL";
  const std::string old = "Kim,1/2/1990,10.30,A,5,075.00,40.00,\r\n";
  WriteBytes(target, old);
  fs::permissions(dir.path(), fs::perms::others_read | fs::perms::others_exec,
                  fs::perm_options::add);
  fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::others_read |
                              fs::perms::others_exec);

  EXPECT_TRUE(SaveIntoReadOnlyFolderFails(target));
  EXPECT_EQ(*ReadFileBytes(target), old);
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);

  // A folder that does not exist cannot be written either.
  test::RecordingHost host;
  const fs::path nowhere = dir.path() / "no-such-folder" / "NAMES.FIL";
  EXPECT_FALSE(SaveFileAtomically(host, nowhere, "x"));
  EXPECT_FALSE(fs::exists(nowhere));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].title, "Warning!");
}

TEST(AtomicSave, RefusesAReadOnlyFileAndSavesThroughALink) {
  test::TempDir dir;
  const fs::path readOnly = dir.path() / "NAMES.FIL";
  WriteBytes(readOnly, "kept\r\n");
  fs::permissions(readOnly, fs::perms::owner_read | fs::perms::group_read);
  test::RecordingHost host;
  EXPECT_FALSE(SaveFileAtomically(host, readOnly, "new\r\n"));
  EXPECT_EQ(*ReadFileBytes(readOnly), "kept\r\n");
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text,
            "Cannot save the file called " + readOnly.string() + ": the file is read-only.");

  // The link stays a link, and the file it points at gets the content.
  fs::create_directories(dir.path() / "real");
  const fs::path target = dir.path() / "real" / "CLIENTS.FIL";
  WriteBytes(target, "old\r\n");
  const fs::path link = dir.path() / "CLIENTS.FIL";
  fs::create_symlink("real/CLIENTS.FIL", link);
  EXPECT_EQ(WriteFileAtomically(link, "new\r\n"), "");
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(*ReadFileBytes(target), "new\r\n");
}

// A link whose target is missing (a share not mounted) is never replaced
// by a plain file: that would split the user's file in two copies.
TEST(AtomicSave, RefusesALinkToAMissingFileAndKeepsTheLink) {
  test::TempDir dir;
  const fs::path gone = dir.path() / "share" / "CLIENTS.FIL";
  const fs::path circle = dir.path() / "LOOP.FIL";
  const struct {
    fs::path link;
    std::string to;
    std::string refusal;
  } cases[] = {
      {dir.path() / "CLIENTS.FIL", "share/CLIENTS.FIL",
       "it is a symbolic link to " + gone.string() + ", which does not exist"},
      {dir.path() / "VIA.FIL", "CLIENTS.FIL",  // a chain of links ends at the missing file
       "it is a symbolic link to " + gone.string() + ", which does not exist"},
      {circle, "LOOP.FIL", "it is a symbolic link that leads round in a circle"},
  };
  for (const auto& c : cases) {
    fs::create_symlink(c.to, c.link);
    EXPECT_EQ(SaveRefusal(c.link), c.refusal) << c.link;
    EXPECT_EQ(WriteFileAtomically(c.link, "new\r\n"), c.refusal) << c.link;
    EXPECT_TRUE(fs::is_symlink(c.link)) << c.link;
  }
  EXPECT_FALSE(fs::exists(gone));
  // Nothing but the three links: no temporary file left behind.
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 3);
  test::RecordingHost host;
  EXPECT_FALSE(SaveFileAtomically(host, cases[0].link, "new\r\n"));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "Cannot save the file called " + cases[0].link.string() + ": " +
                                       cases[0].refusal + ".");
  EXPECT_EQ(SaveRefusal(dir.path() / "NEW.FIL"), "");  // a new file is no refusal
}

// A save killed at any moment leaves the old file or the whole new one;
// its temporary file goes at the next start.
TEST(AtomicSave, AKilledSaveLeavesAWholeFile) {
  test::TempDir dir;
  const fs::path target = dir.path() / "NAMES.FIL";
  const std::string a(1 << 20, 'a'), b(1 << 20, 'b');
  WriteBytes(target, a);
  for (int kill = 0; kill < 20; ++kill) {
    const pid_t child = ::fork();
    if (child == 0) {
      for (int i = 0;; ++i) WriteFileAtomically(target, i % 2 ? a : b);
    }
    ::usleep(1000 + 997 * kill % 7000);
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    const auto now = ReadFileBytes(target);
    ASSERT_TRUE(now == a || now == b) << "kill " << kill;
  }
  RemoveStaleTempFiles(dir.path(), std::chrono::seconds(0));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}

// The user's folder is always the program folder: a new build rewrites the
// shipped files, and the next start adds only what the user's folder lacks.
// A first start killed half way (a file missing, a copy's temporary file
// left) is completed by the next.
TEST(ChooseAppPath, TheUsersFolderKeepsTheirFilesAndGetsWhatIsMissing) {
  test::TempDir program, user;
  for (const char* name : {"Options.mst", "Options.opt", "NAMES.FIL", "PERSONAL.NAM"})
    WriteBytes(program.path() / name, std::string("shipped ") + name);
  WriteBytes(program.path() / "Orvanta8", "binary");
  const fs::path userDir = user.path() / "o8";
  fs::create_directories(userDir);
  WriteBytes(userDir / "Options.mst", "shipped Options.mst");

  std::string error;
  std::vector<std::string> notices;
  ASSERT_EQ(ChooseAppPath(program.path(), userDir, "Options.mst", "Orvanta8", error, notices),
            userDir)
      << error;
  EXPECT_EQ(*ReadFileBytes(userDir / "NAMES.FIL"), "shipped NAMES.FIL");
  EXPECT_FALSE(fs::exists(userDir / "Orvanta8"));

  WriteBytes(userDir / "NAMES.FIL", "the user's people");
  WriteBytes(userDir / "PERSONAL.NAM", "the user's header");
  WriteBytes(userDir / "Options.opt", "the user's options");
  for (const char* name : {"NAMES.FIL", "PERSONAL.NAM", "Options.opt", "TIPS.HLP", "Options.mst"})
    WriteBytes(program.path() / name, std::string("rebuilt ") + name);
  ASSERT_EQ(ChooseAppPath(program.path(), userDir, "Options.mst", "Orvanta8", error, notices),
            userDir);
  EXPECT_EQ(*ReadFileBytes(userDir / "NAMES.FIL"), "the user's people");
  EXPECT_EQ(*ReadFileBytes(userDir / "PERSONAL.NAM"), "the user's header");
  EXPECT_EQ(*ReadFileBytes(userDir / "Options.opt"), "the user's options");
  EXPECT_EQ(*ReadFileBytes(userDir / "TIPS.HLP"), "rebuilt TIPS.HLP");
  // A shipped file the user never changed follows the new version.
  EXPECT_EQ(*ReadFileBytes(userDir / "Options.mst"), "rebuilt Options.mst");
}

// Leftovers of a killed save or copy go at the next start, however young,
// unless another running instance may still be writing them.
TEST(RunningInstance, TheFirstStartRemovesLeftoversAndALaterOneKeepsThem) {
  test::TempDir user;
  const fs::path userDir = user.path() / "o8";
  fs::create_directories(userDir / "Reports");
  WriteBytes(userDir / ".~orv-NAMES.FIL.Ab12Cd", "killed mid-copy");
  WriteBytes(userDir / "Reports" / ".~orv-Last.rtf.Qw12Er", "killed mid-save");
  WriteBytes(userDir / "NAMES.FIL", "people");
  // Lock files of killed saves, and what only looks like one.
  WriteBytes(userDir / ".NAMES.FIL.lock", "");
  WriteBytes(userDir / "Reports" / ".Last.rtf.lock", "");
  WriteBytes(userDir / ".notes.lock", "the user's own");
  fs::create_symlink(userDir / "NAMES.FIL", userDir / ".linked.lock");
  {
    // A lock another instance holds is in use, whatever the folder's lock says.
    const FileLock held(userDir / "Options.opt");
    ASSERT_FALSE(held.Failed()) << held.Error();
    ASSERT_TRUE(fs::exists(userDir / ".Options.opt.lock"));
    const RunningInstance first(userDir);
    EXPECT_TRUE(first.Alone());
    EXPECT_EQ(first.Removed(), 4);
    EXPECT_FALSE(fs::exists(userDir / ".~orv-NAMES.FIL.Ab12Cd"));
    EXPECT_FALSE(fs::exists(userDir / "Reports" / ".~orv-Last.rtf.Qw12Er"));
    EXPECT_FALSE(fs::exists(userDir / ".NAMES.FIL.lock"));
    EXPECT_FALSE(fs::exists(userDir / "Reports" / ".Last.rtf.lock"));
    EXPECT_TRUE(fs::exists(userDir / ".Options.opt.lock"));
    EXPECT_TRUE(fs::exists(userDir / ".running.lock"));
    EXPECT_EQ(*ReadFileBytes(userDir / ".notes.lock"), "the user's own");
    EXPECT_TRUE(fs::is_symlink(userDir / ".linked.lock"));
    EXPECT_EQ(*ReadFileBytes(userDir / "NAMES.FIL"), "people");

    WriteBytes(userDir / ".~orv-Options.opt.Xy34Zw", "the first instance saving now");
    const RunningInstance second(userDir);
    EXPECT_FALSE(second.Alone());
    EXPECT_TRUE(fs::exists(userDir / ".~orv-Options.opt.Xy34Zw"));
  }
  const RunningInstance afterBothEnded(userDir);
  EXPECT_TRUE(afterBothEnded.Alone());
  EXPECT_FALSE(fs::exists(userDir / ".~orv-Options.opt.Xy34Zw"));
}

TEST(ChooseAppPath, CopiesAReadOnlyInstallToTheUserFolderOnce) {
  test::TempDir program, user;
  WriteBytes(program.path() / "Options.mst", "1");
  WriteBytes(program.path() / "Orvanta8", "binary");
  fs::create_directories(program.path() / "COMPOSIT");
  WriteBytes(program.path() / "COMPOSIT" / "SUN.TXT", "text");
  const auto readable = fs::perms::owner_read | fs::perms::owner_exec | fs::perms::others_read |
                        fs::perms::others_exec;
  fs::permissions(program.path(), readable);
  fs::permissions(program.path() / "COMPOSIT", readable);
  fs::permissions(user.path(), fs::perms::all);
  const fs::path userDir = user.path() / "o8";
  EXPECT_TRUE(test::RunUnprivileged([&] {
    std::string error;
    std::vector<std::string> notices;
    const auto chosen =
        ChooseAppPath(program.path(), userDir, "Options.mst", "Orvanta8", error, notices);
    if (!chosen || *chosen != userDir) return false;
    if (!fs::exists(userDir / "COMPOSIT" / "SUN.TXT") || fs::exists(userDir / "Orvanta8"))
      return false;
    // The user's own changes survive the next start.
    WriteBytes(userDir / "Options.mst", "2");
    return ChooseAppPath(program.path(), userDir, "Options.mst", "Orvanta8", error, notices) ==
               userDir &&
           *ReadFileBytes(userDir / "Options.mst") == "2";
  }));
}

// Later starts know files by size and time once both are older than the
// file system's timestamp step; every change must still be seen then.
TEST(ChooseAppPath, ChangesAreSeenWhenFilesAreKnownByTheirTimes) {
  test::TempDir program, user;
  const fs::path userDir = user.path() / "o8";
  const auto hourAgo = fs::file_time_type::clock::now() - std::chrono::hours(1);
  auto age = [&](const fs::path& file, int minutes) {
    fs::last_write_time(file, hourAgo + std::chrono::minutes(minutes));
  };
  for (const char* name : {"Options.mst", "A.TXT", "B.TXT", "C.TXT", "D.TXT"}) {
    WriteBytes(program.path() / name, std::string("shipped ") + name);
    age(program.path() / name, 0);
  }
  // An older list, as earlier versions wrote it: a tag and a name a line.
  fs::create_directories(userDir);
  WriteBytes(userDir / "D.TXT", "shipped D.TXT");
  WriteBytes(userDir / ".shipped", "14695981039346656037\tD.TXT\n");
  std::string error;
  std::vector<std::string> notices;
  auto start = [&] {
    EXPECT_EQ(ChooseAppPath(program.path(), userDir, "Options.mst", "Orvanta8", error, notices),
              userDir)
        << error;
  };
  start();
  EXPECT_EQ(*ReadFileBytes(userDir / "A.TXT"), "shipped A.TXT");
  for (const char* name : {"A.TXT", "B.TXT", "C.TXT", "D.TXT"}) age(userDir / name, 1);
  start();  // records the times
  EXPECT_NE(ReadFileBytes(userDir / ".shipped")->find("\tA.TXT\t"), std::string::npos);

  WriteBytes(userDir / "A.TXT", "the user's A.");  // same size, another time
  age(userDir / "A.TXT", 2);
  WriteBytes(program.path() / "B.TXT", "rebuilt B.TXT");  // same size, another time
  age(program.path() / "B.TXT", 3);
  fs::remove(userDir / "C.TXT");
  start();
  EXPECT_EQ(*ReadFileBytes(userDir / "A.TXT"), "the user's A.");
  EXPECT_EQ(*ReadFileBytes(userDir / "B.TXT"), "rebuilt B.TXT");
  EXPECT_EQ(*ReadFileBytes(userDir / "C.TXT"), "shipped C.TXT");
  // The old list's tag did not match D.TXT as the user had it: theirs.
  EXPECT_EQ(*ReadFileBytes(userDir / "D.TXT"), "shipped D.TXT");
  WriteBytes(program.path() / "D.TXT", "rebuilt D.TXT");
  start();
  EXPECT_EQ(*ReadFileBytes(userDir / "D.TXT"), "shipped D.TXT");
  // A change within the timestamp step, same size: still seen.
  for (const char* name : {"A.TXT", "B.TXT", "C.TXT"}) age(userDir / name, 4);
  start();
  WriteBytes(userDir / "C.TXT", "changed C.TXT");
  fs::last_write_time(userDir / "C.TXT", hourAgo + std::chrono::minutes(4));
  WriteBytes(program.path() / "C.TXT", "rebuilt C.TXT");
  start();
  EXPECT_EQ(*ReadFileBytes(userDir / "C.TXT"), "changed C.TXT");
}

// A shipped file the user moved to another disk, leaving a link in its
// place, stays a link: a newer version is saved through it, and while its
// target is away the run reads the shipped file, saves to it are refused
// and the user is told which file it is.
TEST(ChooseAppPath, KeepsLinksInTheUsersFolder) {
  test::TempDir program, user, disk;
  const fs::path userDir = user.path() / "o8";
  for (const char* name : {"Options.mst", "Options.opt", "NAMES.FIL", "NATAL.ORB", "GA_MA.LL"})
    WriteBytes(program.path() / name, std::string("shipped ") + name);
  std::string error;
  std::vector<std::string> notices;
  auto start = [&] {
    notices.clear();
    return ChooseAppPath(program.path(), userDir, "Options.mst", "Orvanta8", error, notices) ==
           userDir;
  };
  ASSERT_TRUE(start()) << error;

  const fs::path away = disk.path() / "unmounted";
  const struct {
    const char* name;
    fs::path target;    // where the link leads
    const char* held;   // what the target holds; nullptr: it is away
    const char* after;  // what the link reads after a start with newer shipped files
  } cases[] = {
      {"NAMES.FIL", away / "NAMES.FIL", nullptr, "rebuilt NAMES.FIL"},
      {"Options.opt", away / "Options.opt", nullptr, "rebuilt Options.opt"},
      {"NATAL.ORB", disk.path() / "NATAL.ORB", "shipped NATAL.ORB", "rebuilt NATAL.ORB"},
      {"GA_MA.LL", disk.path() / "GA_MA.LL", "the user's places", "the user's places"},
  };
  std::vector<std::string> expected;
  for (const auto& c : cases) {
    fs::remove(userDir / c.name);
    if (c.held) WriteBytes(c.target, c.held);
    fs::create_symlink(c.target, userDir / c.name);
    WriteBytes(program.path() / c.name, std::string("rebuilt ") + c.name);
    if (!c.held)
      expected.push_back("Cannot read the file called " + (userDir / c.name).string() +
                         ": it is a symbolic link to " + c.target.string() +
                         ", which does not exist. The program runs with the file as shipped, "
                         "and saves nothing to it until the link leads to a file again.");
  }
  ASSERT_TRUE(start()) << error;
  EXPECT_EQ(notices, expected);
  for (const auto& c : cases) {
    EXPECT_TRUE(fs::is_symlink(userDir / c.name)) << c.name;
    EXPECT_EQ(*ReadFileBytes(userDir / c.name), c.after) << c.name;
    if (c.held) {
      EXPECT_EQ(*ReadFileBytes(c.target), c.after) << c.name;
    } else {
      EXPECT_NE(WriteFileAtomically(userDir / c.name, "saved"), "") << c.name;
      EXPECT_FALSE(fs::exists(away)) << c.name;
    }
  }

  // The next start, alone, with the disk back: the link's own file is read.
  fs::create_directories(away);
  WriteBytes(away / "NAMES.FIL", "the user's people");
  WriteBytes(away / "Options.opt", "the user's options");
  { const RunningInstance alone(userDir); }
  ASSERT_TRUE(start()) << error;
  EXPECT_TRUE(notices.empty());
  EXPECT_EQ(*ReadFileBytes(userDir / "NAMES.FIL"), "the user's people");
  EXPECT_EQ(*ReadFileBytes(userDir / "Options.opt"), "the user's options");
  EXPECT_TRUE(fs::is_symlink(userDir / "NAMES.FIL"));
  // Nothing of the shipped stand-ins stays behind.
  for (const auto& entry : fs::directory_iterator(userDir))
    EXPECT_FALSE(entry.path().filename().string().starts_with(".~orv-")) << entry.path();
}

TEST(ChooseAppPath, SaysSoWhenTheDataIsMissing) {
  test::TempDir program, user;
  std::string error;
  std::vector<std::string> notices;
  EXPECT_FALSE(
      ChooseAppPath(program.path(), user.path() / "o8", "Options.mst", "Orvanta8", error, notices));
  EXPECT_NE(error.find("missing"), std::string::npos);
}

}  // namespace
}  // namespace orv
