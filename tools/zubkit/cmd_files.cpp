// `zubkit copy`, `files`, `password` and `path`: the file routines of the library.
#include <csignal>
#include <iostream>
#include <ostream>
#include <stdexcept>
#include <string>

#include "tools/zubkit/cli.hpp"
#include "tools/zubkit/progress.hpp"
#include "zubcorekit.hpp"

namespace zubkit {
namespace {

using zub::UnicodeString;

std::string U8(const UnicodeString& s) {
  return zub::UnicodeToUtf8(s);
}
UnicodeString Name(const std::string& s) {
  return zub::SystemNameToUnicode(s);
}

// Ctrl-C asks the running copy to stop after its current block.
extern "C" void OnInterrupt(int) {
  zub::AbortAnyFileCopying();
}

struct InterruptGuard {
  InterruptGuard() { previous = std::signal(SIGINT, OnInterrupt); }
  ~InterruptGuard() { std::signal(SIGINT, previous); }
  void (*previous)(int);
};

std::string CopyFailure(int32_t code, const std::string& src, const std::string& dst) {
  switch (code) {
    case -1:
      return "cannot open " + src;
    case -2:
      return "cannot create " + dst;
    case -3:
      return "write error on " + dst + " (disk full?); it is incomplete";
    default:
      return "read error on " + src + "; " + dst + " is incomplete";
  }
}

int RunCopy(const Args& args, std::ostream& out) {
  const std::string src = args.Positional()[0], dst = args.Positional()[1];
  const bool attrs = args.Has("attributes");
  if (zub::FileGetAttr(Name(src)) == -1) throw std::runtime_error(src + ": no such file or folder");
  const bool folder = zub::DirExists(Name(src)) && !(zub::FileGetAttr(Name(src)) & zub::faSymLink);
  if (folder && !args.Has("recursive")) throw UsageError(src + " is a folder; copy it with -r");
  ProgressLine progress;
  InterruptGuard interrupt;
  std::string current;
  int64_t currentDone = 0, currentSize = 0;
  int32_t files = 0;
  if (!folder) {
    const int32_t code = zub::FileCopyFeedBk64(Name(src), Name(dst), attrs, [&](int64_t done, int64_t size) {
      currentDone = done;
      currentSize = size;
      progress.Update(src, done, size);
    });
    progress.Clear();
    if (code != 0) throw std::runtime_error(CopyFailure(code, src, dst));
    current = dst;
    files = 1;
  } else {
    zub::CopyFileTree64(Name(src), Name(dst), attrs,
                        [&](int64_t done, int64_t size, const UnicodeString& name, int32_t count) {
                          current = U8(name);
                          currentDone = done;
                          currentSize = size;
                          files = count;
                          progress.Update(current, done, size, ", " + std::to_string(count) + " files");
                        });
    progress.Clear();
  }
  if (zub::FileCopyAbortSwitch.load()) {
    std::cerr << "zubkit copy: interrupted; " << (current.empty() ? dst : current) << " is incomplete ("
              << currentDone << " of " << currentSize << " bytes)\n";
    return 1;
  }
  if (folder) out << files << (files == 1 ? " file" : " files") << " copied to " << dst << "\n";
  return 0;
}

int RunFiles(const Args& args, std::ostream& out) {
  zub::TStringList list;
  zub::ScanFilesToStrList(Name(args.Positional()[0]), args.Has("recursive"), &list, nullptr);
  if (args.Has("count")) {
    out << list.Count() << "\n";
    return 0;
  }
  for (int32_t i = 0; i < list.Count(); ++i) out << U8(list.Strings(i)) << "\n";
  return 0;
}

int RunPassword(const Args& args, std::ostream& out) {
  long long n = 8;
  if (!args.Positional().empty()) {
    try {
      size_t used = 0;
      n = std::stoll(args.Positional()[0], &used);
      if (used != args.Positional()[0].size() || n < 1 || n > 1000) throw std::invalid_argument("");
    } catch (const std::logic_error&) {
      throw UsageError("N wants a whole number from 1 to 1000 (it is clamped to 4..14)");
    }
  }
  const int count = static_cast<int>(args.GetInt("count", 1, 1, 100000));
  for (int i = 0; i < count; ++i)
    out << U8(zub::InventPassword(static_cast<int32_t>(n), args.Has("mixed"), args.Has("special"))) << "\n";
  return 0;
}

int RunPath(const Args& args, std::ostream& out) {
  const std::string& op = args.Positional()[0];
  const UnicodeString p = Name(args.Positional()[1]);
  const bool extra = args.Positional().size() > 2;
  const UnicodeString arg2 = extra ? Name(args.Positional()[2]) : UnicodeString();
  auto needs = [&](bool wanted) {
    if (wanted != extra)
      throw UsageError("path " + op + (wanted ? " wants a second argument" : " takes one argument"));
  };
  auto truth = [&](bool v) {
    out << (v ? "true" : "false") << "\n";
    return 0;
  };
  if (op == "abridge") {
    needs(true);
    const std::string& max = args.Positional()[2];
    if (max.empty() || max.find_first_not_of("0123456789") != std::string::npos || max.size() > 9)
      throw UsageError("path abridge wants a whole number as its maximum length");
    out << U8(zub::AbridgeFilePath(p, std::stoi(max))) << "\n";
    return 0;
  }
  if (op == "insert-before-ext") {
    needs(true);
    out << U8(zub::InsertBeforeFileExt(arg2, p)) << "\n";
    return 0;
  }
  if (op == "default-ext") {
    needs(true);
    out << U8(zub::EnsureDefaultFileExt(p, arg2)) << "\n";
    return 0;
  }
  if (op == "replace-invalid") {
    if (extra && arg2.size() != 1) throw UsageError("path replace-invalid wants one replacement character");
    out << U8(zub::ReplaceInvalidFileNameChars(p, extra ? arg2[0] : u'_')) << "\n";
    return 0;
  }
  needs(false);
  if (op == "strip-ext")
    out << U8(zub::StripExtension(p)) << "\n";
  else if (op == "strip-path")
    out << U8(zub::StripPath(p)) << "\n";
  else if (op == "parent")
    out << U8(zub::ParentDir(p)) << "\n";
  else if (op == "drive")
    out << zub::ExtractDrive(p) << "\n";
  else if (op == "dos-to-win")
    out << U8(zub::DOSToWinPath(p)) << "\n";
  else if (op == "is-root")
    return truth(zub::IsRootDir(p));
  else if (op == "is-83")
    return truth(zub::IsFN83CompliantPath(p));
  else if (op == "is-dos83")
    return truth(zub::IsDOS83Path(p));
  else if (op == "valid-name")
    return truth(zub::IsValidFileName(p));
  else
    throw UsageError("no path command '" + op + "'; 'zubkit help path' lists them");
  return 0;
}

const Registration copy({"copy",
                         "SRC DST",
                         "copy a file, or with -r a folder tree, with progress; Ctrl-C stops it",
                         "A file is copied to DST, or into DST under its own name when DST is a folder;\n"
                         "the copy gets the source's modification time. Copying a file onto itself (by\n"
                         "any name, a link included) does nothing. With -r the folder SRC is copied into\n"
                         "DST (created with its parents); symbolic links are copied as links, a\n"
                         "destination inside SRC is refused. Ctrl-C stops after the current 8 KiB block\n"
                         "and names the incomplete file (exit 1).",
                         {{"recursive", "", "copy a folder tree", 'r'},
                          {"attributes", "", "also copy the attributes (without read-only)"}},
                         2,
                         2,
                         RunCopy});

const Registration files({"files",
                          "MASK",
                          "list the files matching a mask (* and ?, letters in any case)",
                          "MASK is a folder and a name pattern, such as '/usr/share/doc/*.gz' (quote it\n"
                          "for the shell). Every entry that is not a folder is listed: files, devices and\n"
                          "symbolic links (whatever they point to). With -r the subfolders are searched\n"
                          "too, hidden ones included; links are never followed. Folders of the mask are\n"
                          "found regardless of case; names are printed as stored.",
                          {{"recursive", "", "search subfolders too", 'r'},
                           {"count", "", "print only the number"}},
                          1,
                          1,
                          RunFiles});

const Registration password({"password",
                             "[N]",
                             "invent pronounceable passwords (N letters, 4..14, plus two digits)",
                             "Letters alternate consonant and vowel, with two digits at position 7 (at\n"
                             "the end for 4 or 5 letters). Drawn from the system's cryptographic generator.",
                             {{"mixed", "", "turn about half of the letters to upper case"},
                              {"special", "", "replace about a fifth of the characters by _!$%#= or digits"},
                              {"count", "K", "print K passwords (default 1)"}},
                             0,
                             1,
                             RunPassword});

const Registration path({"path",
                         "COMMAND PATH [ARG]",
                         "the library's path-string routines",
                         "Commands: strip-ext, strip-path, parent, drive (0 = A .. 25, -1 none),\n"
                         "dos-to-win (absolute, with the names as stored), is-root, is-83, is-dos83,\n"
                         "valid-name, abridge PATH MAX, insert-before-ext PATH TEXT, default-ext PATH EXT,\n"
                         "replace-invalid NAME [CHAR] (default _). Tests print true or false.",
                         {},
                         2,
                         3,
                         RunPath});

const TourRegistration stop({85, "Paths and files",
                             [](std::ostream& out) {
                               using namespace zub;
                               const UnicodeString p = u"C:\\Program Files\\Vendor\\App\\file.txt";
                               out << "ParentDir(\"/usr/lib/\") = \"" << U8(ParentDir(u"/usr/lib/"))
                                   << "\", StripExtension(\"a.b.c\") = \"" << U8(StripExtension(u"a.b.c"))
                                   << "\", InsertBeforeFileExt(\"_old\", \"a.b.c\") = \""
                                   << U8(InsertBeforeFileExt(u"_old", u"a.b.c")) << "\"\n"
                                   << "AbridgeFilePath(\"" << U8(p) << "\", 25) = \""
                                   << U8(AbridgeFilePath(p, 25))
                                   << "\"\nIsDOS83Path(\"C:\\DOCS\\REPORT.TXT\") = "
                                   << (IsDOS83Path(u"C:\\DOCS\\REPORT.TXT") ? "true" : "false")
                                   << ", ReplaceInvalidFileNameChars(\"a?b\", '_') = \""
                                   << U8(ReplaceInvalidFileNameChars(u"a?b", u'_')) << "\"\n"
                                   << "InventPassword(9) = " << U8(InventPassword(9))
                                   << " (vowel, four consonant-vowel pairs, digits at 7 and 8)\n";
                             },
                             "filesys/ZUB_filesys.hpp"});

}  // namespace
}  // namespace zubkit
