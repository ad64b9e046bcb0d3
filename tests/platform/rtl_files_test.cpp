#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>

#include "platform/rtl/Codepage.h"
#include "platform/rtl/Paths.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/SysUtils.h"
#include "platform/rtl/TextFile.h"
#include "support/FileSizeLimit.h"

namespace fs = std::filesystem;

namespace {

// A fresh folder per test under the build tree (ctest points VUMA_DRIVE_C there).
class RtlFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* root = std::getenv("VUMA_DRIVE_C");
    const fs::path base = root && *root ? fs::path(root) : fs::current_path() / "rtl_tmp";
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    dir_ = base / (std::string("rtl_") + info->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override {
    fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add);
    fs::remove_all(dir_);
  }
  std::string Path(const std::string& name) const { return (dir_ / name).string(); }
  static std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  static void WriteRaw(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
  }
  size_t EntryCount() const {
    return static_cast<size_t>(std::distance(fs::directory_iterator(dir_), {}));
  }

  fs::path dir_;
};

std::string AllHighBytes() {
  std::string s;
  for (int b = 0x80; b <= 0xFF; ++b) s += static_cast<char>(b);
  return s;
}

TEST_F(RtlFiles, TextFileRoundTripKeepsBytesAndWritesCrLf) {
  const std::string high = AllHighBytes();
  TextFile f;
  f.Assign(Path("t.txt"));
  f.Rewrite();
  f.WriteLn("first");
  f.Write("sec");
  f.WriteLn("ond");
  f.WriteLn(high);
  f.WriteLn();
  f.Close();
  EXPECT_EQ(Read(Path("t.txt")), "first\r\nsecond\r\n" + high + "\r\n\r\n");

  f.Reset();
  EXPECT_FALSE(f.Eof());
  EXPECT_EQ(f.ReadLn(), "first");
  EXPECT_EQ(f.ReadLn(), "second");
  EXPECT_EQ(f.ReadLn(), high);
  EXPECT_EQ(f.ReadLn(), "");
  EXPECT_TRUE(f.Eof());
  EXPECT_EQ(f.ReadLn(), "");  // past the end: empty, no error
  EXPECT_TRUE(f.Eof());
  f.Close();

  f.Append();
  f.WriteLn("more");
  f.Close();
  f.Reset();
  for (int i = 0; i < 4; ++i) f.ReadLn();
  EXPECT_EQ(f.ReadLn(), "more");
  f.Close();
}

TEST_F(RtlFiles, TextFileReadsEveryLineEnd) {
  WriteRaw(Path("mixed.txt"), "a\r\nb\nc\rd\r\r\ne");
  TextFile f;
  f.Assign(Path("mixed.txt"));
  f.Reset();
  std::vector<std::string> lines;
  while (!f.Eof()) lines.push_back(f.ReadLn());
  f.Close();
  EXPECT_EQ(lines, (std::vector<std::string>{"a", "b", "c", "d", "", "e"}));
}

TEST_F(RtlFiles, TextFileFailuresRaiseInOutError) {
  auto code = [](auto&& action) {
    try {
      action();
    } catch (const EInOutError& e) {
      return e.ErrorCode;
    }
    return 0;
  };
  TextFile f;
  f.Assign(Path("missing.txt"));
  EXPECT_EQ(code([&] { f.Reset(); }), 2);
  EXPECT_EQ(code([&] { f.Append(); }), 2);
  EXPECT_FALSE(f.IsOpen());
  EXPECT_EQ(code([&] { f.ReadLn(); }), 103);
  EXPECT_EQ(code([&] { f.Eof(); }), 103);
  EXPECT_EQ(code([&] { f.WriteLn("x"); }), 103);
  EXPECT_EQ(code([&] { f.Close(); }), 103);  // closing a file that never opened fails too

  f.Assign(Path("no_such_dir/x.txt"));
  EXPECT_NE(code([&] { f.Rewrite(); }), 0);
  f.Assign(dir_.string());
  EXPECT_EQ(code([&] { f.Reset(); }), 5);
  f.Assign("");
  EXPECT_NE(code([&] { f.Rewrite(); }), 0);

  f.Assign(Path("w.txt"));
  f.Rewrite();
  EXPECT_EQ(code([&] { f.ReadLn(); }), 104);
  f.Close();
  f.Reset();
  EXPECT_EQ(code([&] { f.Write("x"); }), 105);
  f.Close();

  try {
    TextFile g;
    g.Assign(Path("missing.txt"));
    g.Reset();
  } catch (const EInOutError& e) {
    EXPECT_EQ(e.Message(), "File not found");
  }
  EXPECT_EQ(EInOutError(103).Message(), "I/O error 103");
}

TEST_F(RtlFiles, MapPathPutsDriveCUnderTheRoot) {
  const std::string root = DriveCRoot();
  ASSERT_FALSE(root.empty());
  EXPECT_NE(root.back(), '/');
  struct Case {
    std::string in, out;
  };
  // clang-format off
    const Case cases[] = {
        {"c:\\TQ.psw", root + "/TQ.psw"},
        {"C:\\Dir\\Sub\\f.set", root + "/Dir/Sub/f.set"},
        {"c:/x/y", root + "/x/y"},
        {"c:\\", root},
        {"c:", root},
        {"d:\\x", "d:\\x"},
        {"/tmp/a\\b", "/tmp/a\\b"},
        {"rel\\x", "rel\\x"},
        {"", ""},
    };
  // clang-format on
  for (const auto& c : cases) EXPECT_EQ(MapPath(c.in), c.out) << c.in;

  const char* old = std::getenv("VUMA_DRIVE_C");
  const std::string saved = old ? old : "";
  ::setenv("VUMA_DRIVE_C", "/some/root/", 1);
  EXPECT_EQ(MapPath("c:\\a"), "/some/root/a");
  if (old)
    ::setenv("VUMA_DRIVE_C", saved.c_str(), 1);
  else
    ::unsetenv("VUMA_DRIVE_C");

  const std::string folder = ProgramFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(folder.back(), '/');
  EXPECT_TRUE(fs::is_directory(folder));
}

TEST_F(RtlFiles, DriveCPathsReachTheMappedFile) {
  const char* old = std::getenv("VUMA_DRIVE_C");
  const std::string saved = old ? old : "";
  ::setenv("VUMA_DRIVE_C", dir_.c_str(), 1);
  TextFile f;
  f.Assign("c:\\w.txt");
  f.Rewrite();
  f.WriteLn("x");
  f.Close();
  EXPECT_EQ(Read(Path("w.txt")), "x\r\n");
  TStringList list;
  list.LoadFromFile("C:\\w.txt");
  EXPECT_EQ(list.Get(0), "x");
  list.SaveToFile("c:\\w2.txt");
  EXPECT_EQ(Read(Path("w2.txt")), "x\r\n");
  EXPECT_TRUE(FileExists("c:\\w.txt"));
  EXPECT_FALSE(FileExists("c:\\"));  // a folder is no file
  EXPECT_TRUE(DeleteFile("c:\\w.txt"));
  EXPECT_FALSE(FileExists("c:\\w.txt"));
  EXPECT_FALSE(DeleteFile("c:\\w.txt"));
  if (old)
    ::setenv("VUMA_DRIVE_C", saved.c_str(), 1);
  else
    ::unsetenv("VUMA_DRIVE_C");
}

TEST_F(RtlFiles, CodepageConversionsRoundTrip) {
  const std::string high = AllHighBytes();
  EXPECT_EQ(Utf8ToWin1252(Win1252ToUtf8(high)), high);
  EXPECT_EQ(Utf16ToWin1252(Win1252ToUtf16(high)), high);
  EXPECT_EQ(Win1252ToUtf8("\x80\xE9"), "\xE2\x82\xAC\xC3\xA9");
  struct Case {
    const char* utf8;
    const char* ansi;
  };
  // clang-format off
    const Case cases[] = {
        {"caf\xC3\xA9", "caf\xE9"},
        {"\xE2\x80\x9Cq\xE2\x80\x9D", "\x93q\x94"},
        {"\xE4\xB8\xAD", "?"},          // outside the code page
        {"\xF0\x9F\x98\x80", "?"},      // outside the BMP
        {"a\xC3", "a?"},                // cut sequence
        {"\xC0\xAF", "??"},             // overlong
        {"\xED\xA0\x80", "???"},        // encoded surrogate
        {"\xFF", "?"},
    };
  // clang-format on
  for (const auto& c : cases) EXPECT_EQ(Utf8ToWin1252(c.utf8), c.ansi) << c.utf8;
  EXPECT_EQ(Utf16ToWin1252(u"\u20AC\xD83D\xDE00\xD800x"), "\x80??x");
}

TEST_F(RtlFiles, LineListLoadsEveryLineEndAndEncoding) {
  struct Case {
    const char* name;
    std::string bytes;
    std::vector<std::string> lines;
    TTextEncoding encoding;
  };
  const std::string high = AllHighBytes();
  // clang-format off
    const Case cases[] = {
        {"crlf", "a\r\nb\r\n", {"a", "b"}, TTextEncoding::Ansi},
        {"lf", "a\nb", {"a", "b"}, TTextEncoding::Ansi},
        {"cr", "a\rb\r", {"a", "b"}, TTextEncoding::Ansi},
        {"mixed", "a\r\n\nb\r\r\n", {"a", "", "b", ""}, TTextEncoding::Ansi},
        {"empty", "", {}, TTextEncoding::Ansi},
        {"only_break", "\r\n", {""}, TTextEncoding::Ansi},
        {"ansi_high", high + "\r\n", {high}, TTextEncoding::Ansi},
        {"nul", std::string("a\0b\n", 4), {std::string("a\0b", 3)}, TTextEncoding::Ansi},
        {"utf8", "\xEF\xBB\xBF" "caf\xC3\xA9\r\n\xE2\x82\xAC", {"caf\xE9", "\x80"}, TTextEncoding::Utf8},
        {"utf8_only_bom", "\xEF\xBB\xBF", {}, TTextEncoding::Utf8},
        {"utf16le", std::string("\xFF\xFE" "a\0\xE9\0\r\0\n\0\xAC\x20", 12), {"a\xE9", "\x80"},
         TTextEncoding::Utf16LE},
        {"utf16be", std::string("\xFE\xFF\0a\0\n\x4E\x2D", 8), {"a", "?"}, TTextEncoding::Utf16BE},
        {"utf16_odd", std::string("\xFF\xFE" "a\0b", 5), {"a"}, TTextEncoding::Utf16LE},
    };
  // clang-format on
  for (const auto& c : cases) {
    WriteRaw(Path(c.name), c.bytes);
    TStringList list;
    list.LoadFromFile(Path(c.name));
    EXPECT_EQ(list.Lines(), c.lines) << c.name;
    EXPECT_EQ(list.Encoding(), c.encoding) << c.name;
  }
}

TEST_F(RtlFiles, LineListSaveKeepsTheLoadedEncoding) {
  WriteRaw(Path("in.txt"),
           "\xEF\xBB\xBF"
           "x\xC3\xA9\n");
  TStringList list;
  list.LoadFromFile(Path("in.txt"));
  list.Clear();  // the encoding stays with the list
  list.Add("\x80");
  list.SaveToFile(Path("out.txt"));
  EXPECT_EQ(Read(Path("out.txt")), "\xEF\xBB\xBF\xE2\x82\xAC\r\n");

  list.SetEncoding(TTextEncoding::Utf16LE);
  list.SaveToFile(Path("out16.txt"));
  EXPECT_EQ(Read(Path("out16.txt")), std::string("\xFF\xFE\xAC\x20\r\0\n\0", 8));
  TStringList back;
  back.LoadFromFile(Path("out16.txt"));
  EXPECT_EQ(back, list);

  list.SetEncoding(TTextEncoding::Ansi);
  const std::string high = AllHighBytes();
  list.Add(high);
  list.Add("");
  list.SaveToFile(Path("ansi.txt"));
  EXPECT_EQ(Read(Path("ansi.txt")), "\x80\r\n" + high + "\r\n\r\n");
}

TEST_F(RtlFiles, FailedSaveLeavesTheOldFileUntouched) {
  const std::string target = Path("keep.set");
  WriteRaw(target, "old\r\n");
  TStringList list;
  for (int i = 0; i < 1000; ++i) list.Add(std::string(90, 'x'));

  // A write that fails half way (file size limit): old content stays, no litter.
  {
    FileSizeLimit full(4096);
    ASSERT_TRUE(full.Set());
    EXPECT_THROW(list.SaveToFile(target), EInOutError);
  }
  EXPECT_EQ(Read(target), "old\r\n");
  EXPECT_EQ(EntryCount(), 1u);

  // Invalid paths.
  EXPECT_THROW(list.SaveToFile(Path("no_such_dir/x.set")), EInOutError);
  EXPECT_THROW(list.SaveToFile(dir_.string() + "/"), EInOutError);
  EXPECT_THROW(list.SaveToFile(""), EInOutError);
  fs::create_directory(Path("a_folder"));
  EXPECT_THROW(list.SaveToFile(Path("a_folder")), EInOutError);
  EXPECT_EQ(EntryCount(), 2u);

  // A read-only folder (meaningless for root, who may write anyway).
  if (::geteuid() != 0) {
    fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_THROW(list.SaveToFile(target), EInOutError);
    fs::permissions(dir_, fs::perms::owner_all);
    EXPECT_EQ(Read(target), "old\r\n");
  }

  list.SaveToFile(target);
  EXPECT_EQ(Read(target).size(), 1000u * 92);
  EXPECT_EQ(EntryCount(), 2u);
}

// The new file's permission bits: those of the file it replaces, or exactly the ones asked for
// whatever the umask (a private file never passes through a wider mode).
TEST_F(RtlFiles, SaveSetsThePermissionsAskedForOrKeepsTheOldOnes) {
  struct Case {
    const char* name;
    int oldMode;                   // -1: no file there yet
    std::optional<unsigned> mode;  // what the save asks for
    unsigned umask;
    unsigned expected;
  };
  // clang-format off
    const Case cases[] = {
        {"new, default", -1, std::nullopt, 022, 0644},
        {"replaced, kept", 0640, std::nullopt, 022, 0640},
        {"new, private", -1, 0600, 022, 0600},
        {"replaced, private", 0644, 0600, 022, 0600},
        {"asked beyond the umask", -1, 0660, 077, 0660},
    };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string target = Path("perm.txt");
    fs::remove(target);
    if (c.oldMode >= 0) {
      WriteRaw(target, "old\r\n");
      fs::permissions(target, static_cast<fs::perms>(c.oldMode));
    }
    const mode_t saved = ::umask(c.umask);
    TStringList list;
    list.Add("new");
    list.SaveToFile(target, c.mode);
    ::umask(saved);
    struct stat st {};
    ASSERT_EQ(::stat(target.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, c.expected);
    EXPECT_EQ(Read(target), "new\r\n");
    EXPECT_EQ(EntryCount(), 1u);
  }
}

// Saving never replaces what it must not: a write-protected file stays (for root too), and a
// symbolic link keeps being a link while the file it names gets the new text, whole.
TEST_F(RtlFiles, SaveRefusesWriteProtectedFilesAndWritesThroughLinks) {
  TStringList list;
  list.Add("new");

  const std::string locked = Path("locked.set");
  WriteRaw(locked, "old\r\n");
  fs::permissions(locked, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  EXPECT_THROW(list.SaveToFile(locked), EInOutError);
  EXPECT_EQ(Read(locked), "old\r\n");
  EXPECT_EQ(EntryCount(), 1u);

  fs::create_directory(Path("real"));
  const std::string target = Path("real/target.set");
  WriteRaw(target, "old\r\n");
  fs::permissions(target, static_cast<fs::perms>(0640));
  struct Case {
    const char* name;
    std::string link;
    std::string pointsTo;
  };
  // clang-format off
    const Case cases[] = {
        {"absolute link", Path("abs.set"), target},
        {"relative link", Path("rel.set"), "real/target.set"},
        {"link to a link", Path("chain.set"), "abs.set"},
        {"dangling link", Path("dangling.set"), "real/new.set"},
    };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fs::create_symlink(c.pointsTo, c.link);
    list.Clear();
    list.Add(c.name);
    list.SaveToFile(c.link);
    EXPECT_TRUE(fs::is_symlink(c.link));
    EXPECT_EQ(fs::read_symlink(c.link).string(), c.pointsTo);
    EXPECT_EQ(Read(c.link), std::string(c.name) + "\r\n");
  }
  EXPECT_EQ(Read(target), "link to a link\r\n");
  EXPECT_EQ(fs::status(target).permissions() & fs::perms::all, static_cast<fs::perms>(0640));
  EXPECT_EQ(Read(Path("real/new.set")), "dangling link\r\n");
  // No temporary file left in either folder.
  EXPECT_EQ(EntryCount(), 6u);
  EXPECT_EQ(std::distance(fs::directory_iterator(Path("real")), {}), 2);

  // A link onto a write-protected file is refused like the file itself.
  fs::create_symlink(locked, Path("to_locked.set"));
  EXPECT_THROW(list.SaveToFile(Path("to_locked.set")), EInOutError);
  EXPECT_EQ(Read(locked), "old\r\n");
}

// A text holding CR or LF still makes one line of the file: every line ends in CR LF once.
TEST_F(RtlFiles, LineBreaksInsideATextAreWrittenAsBlanks) {
  const std::vector<std::string> texts = {"a\rb", "c\nd", "e\r\nf", "\r", "plain"};
  const std::string expected = "a b\r\nc d\r\ne  f\r\n \r\nplain\r\n";
  TStringList list;
  for (const auto& t : texts) list.Add(t);
  list.SaveToFile(Path("list.txt"));
  EXPECT_EQ(Read(Path("list.txt")), expected);
  EXPECT_EQ(list.Lines(), texts);  // the list itself keeps its texts

  TextFile f;
  f.Assign(Path("file.txt"));
  f.Rewrite();
  for (const auto& t : texts) f.WriteLn(t);
  f.Close();
  EXPECT_EQ(Read(Path("file.txt")), expected);
}

TEST_F(RtlFiles, LoadFailureLeavesTheListAlone) {
  TStringList list;
  list.Add("kept");
  EXPECT_THROW(list.LoadFromFile(Path("missing")), EInOutError);
  EXPECT_THROW(list.LoadFromFile(dir_.string()), EInOutError);
  EXPECT_EQ(list.Lines(), std::vector<std::string>{"kept"});
}

TEST(RtlStringList, EditingFiresOnChangeAndChecksIndexes) {
  TStringList list;
  int changes = 0;
  list.OnChange = [&] { ++changes; };
  EXPECT_EQ(list.Add("b"), 0);
  list.Insert(0, "a");
  list.Add("c");
  list.Put(2, "C");
  list.Delete(1);
  EXPECT_EQ(changes, 5);
  EXPECT_EQ(list.Lines(), (std::vector<std::string>{"a", "C"}));
  EXPECT_EQ(list.Text(), "a\r\nC\r\n");
  EXPECT_EQ(list.IndexOf("C"), 1);
  EXPECT_EQ(list.IndexOf("c"), -1);
  EXPECT_EQ(list.Get(5), "");
  EXPECT_EQ(list.Get(-1), "");
  EXPECT_THROW(list[2], EStringListError);
  EXPECT_THROW(list.Put(2, "x"), EStringListError);
  EXPECT_THROW(list.Delete(-1), EStringListError);
  EXPECT_THROW(list.Insert(3, "x"), EStringListError);
  EXPECT_EQ(changes, 5);

  list.SetText("x\ny\r\n");
  EXPECT_EQ(changes, 6);
  EXPECT_EQ(list.Count(), 2);
  TStringList copy;
  copy.Assign(list);
  EXPECT_EQ(copy, list);
  list.Clear();
  list.Clear();  // already empty: no change to report
  EXPECT_EQ(changes, 7);
  EXPECT_EQ(list.Count(), 0);
}

}  // namespace

// A rewritten file takes its name only at Close: the older file stays whole while the new one is
// written, after a failed write (here a full disk) and when it is write-protected; a file dropped
// unclosed keeps what was written (a download ended by the program's end).
TEST_F(RtlFiles, RewriteReplacesTheOlderFileOnlyWhenWhole) {
  const std::string target = Path("events.xls");
  WriteRaw(target, "old\r\n");
  {
    TextFile f;
    f.Assign(target);
    f.Rewrite();
    f.WriteLn("new");
    f.Flush();
    EXPECT_EQ(Read(target), "old\r\n");
    f.Close();
  }
  EXPECT_EQ(Read(target), "new\r\n");
  EXPECT_EQ(EntryCount(), 1u);

  {
    FileSizeLimit full(4096);
    ASSERT_TRUE(full.Set());
    TextFile f;
    f.Assign(target);
    f.Rewrite();
    bool failed = false;
    try {
      for (int i = 0; i < 1000; ++i) f.WriteLn(std::string(60, 'x'));
    } catch (const EInOutError&) {
      failed = true;
    }
    EXPECT_TRUE(failed);
    EXPECT_THROW(f.Close(), EInOutError);  // the failure again, and nothing renamed
  }
  EXPECT_EQ(Read(target), "new\r\n");
  EXPECT_EQ(EntryCount(), 1u);

  fs::permissions(target, fs::perms::owner_read | fs::perms::group_read);
  {
    TextFile f;
    f.Assign(target);
    EXPECT_THROW(f.Rewrite(), EInOutError);
    EXPECT_FALSE(f.IsOpen());
  }
  EXPECT_EQ(Read(target), "new\r\n");
  EXPECT_EQ(EntryCount(), 1u);
  fs::permissions(target, fs::perms::owner_write, fs::perm_options::add);

  {
    TextFile f;
    f.Assign(target);
    f.Rewrite();
    f.WriteLn("partial");
  }
  EXPECT_EQ(Read(target), "partial\r\n");
  EXPECT_EQ(EntryCount(), 1u);
}
