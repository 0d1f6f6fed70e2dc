// `zubkit drives` and `zubkit rm`: the drive table, and deleting files or moving them to
// the trash.
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <ostream>
#include <sstream>
#include <stdexcept>
#include <string>

#include "tools/zubkit/cli.hpp"
#include "tools/zubkit/output.hpp"
#include "zubcorekit.hpp"

namespace zubkit {
namespace {

using zub::UnicodeString;

std::string U8(const UnicodeString& s) {
  return zub::UnicodeToUtf8(s);
}

const char* TypeName(int32_t type) {
  static const char* const kNames[] = {"unknown", "no folder", "removable", "fixed",
                                       "remote",  "CD-ROM",    "RAM disk"};
  return type >= 0 && type <= 6 ? kNames[type] : "?";
}

// --map "D=/mnt/data,E=/media/usb": letters mapped for this run.
void MapDrives(const std::string& mappings) {
  size_t at = 0;
  while (at <= mappings.size()) {
    size_t end = mappings.find(',', at);
    if (end == std::string::npos) end = mappings.size();
    const std::string item = mappings.substr(at, end - at);
    const char letter = item.empty() ? 0 : item[0];
    if (item.size() < 3 || item[1] != '=' ||
        !((letter >= 'A' && letter <= 'Z') || (letter >= 'a' && letter <= 'z')))
      throw UsageError("--map wants LETTER=FOLDER items separated by commas, not '" + item + "'");
    zub::SetDriveMapping(static_cast<zub::Char>(letter), zub::SystemNameToUnicode(item.substr(2)));
    at = end + 1;
  }
}

int RunDrives(const Args& args, std::ostream& out) {
  if (args.Has("map")) MapDrives(args.Get("map"));
  zub::TStringList drives;
  zub::BuildDriveList(drives);
  out << "drive  type           free bytes  read-only  folder\n";
  for (int32_t i = 0; i < drives.Count(); ++i) {
    const UnicodeString letter = drives.Strings(i);
    const auto n = static_cast<uint8_t>(letter[0] - u'A');
    const int32_t type = zub::GetDiskDriveType(n);
    const double free = zub::DiskFreeExtended(n);
    std::ostringstream freeText;
    if (free < 0)
      freeText << "-";
    else
      freeText << std::fixed << std::setprecision(0) << free;
    std::ostringstream typeText;
    typeText << type << " " << TypeName(type);
    out << std::left << std::setw(7) << U8(letter) << std::setw(12) << typeText.str() << std::right
        << std::setw(14) << freeText.str() << "  " << std::left << std::setw(11)
        << (zub::DiskIsReadOnly(n) ? "yes" : "no") << U8(zub::GetDriveMapping(letter[0])) << "\n";
  }
  return 0;
}

// What a mask selects for rm: the scan's files without hidden names.
int32_t Candidates(const UnicodeString& mask) {
  zub::TStringList list;
  zub::ScanFilesToStrList(mask, false, &list, nullptr);
  int32_t n = 0;
  for (int32_t i = 0; i < list.Count(); ++i)
    if (zub::StripPath(list.Strings(i)).rfind(u".", 0) != 0) ++n;
  return n;
}

int RunRm(const Args& args, std::ostream& out) {
  const bool trash = args.Has("trash");
  bool failed = false;
  for (const std::string& mask : args.Positional()) {
    const UnicodeString m = zub::SystemNameToUnicode(mask);
    const int32_t wanted = Candidates(m);
    const int32_t done = wanted == 0 ? 0 : trash ? zub::MoveToRecycleBin(m) : zub::DeleteFiles(m);
    if (args.Has("verbose"))
      out << mask << ": " << done << (done == 1 ? " file" : " files")
          << (trash ? " moved to the trash" : " deleted") << "\n";
    if (wanted == 0) {
      ReportInputError("rm", mask,
                       std::runtime_error("no file matches (folders and hidden files are left alone)"));
      failed = true;
    } else if (done < wanted) {
      ReportInputError("rm", mask,
                       std::runtime_error(std::to_string(wanted - done) + " of " + std::to_string(wanted) +
                                          (trash ? " files could not be moved to the trash"
                                                 : " files could not be deleted")));
      failed = true;
    }
  }
  return failed ? 1 : 0;
}

const Registration drives({"drives",
                           "",
                           "the drive table: each letter's folder, drive type, free space, read-only",
                           "Letters name folders: C: is / unless mapped otherwise, and --map maps more for\n"
                           "this run. The type comes from the folder's mount (2 removable, 3 fixed, 4\n"
                           "remote, 5 CD-ROM, 6 RAM disk for tmpfs; 1 no such folder). Free bytes are\n"
                           "those a user may still write. Read-only is found by creating and erasing a\n"
                           "probe file in the folder (a file of the probe's name is never touched).",
                           {{"map", "L=DIR,...", "map drive letters to folders first"}},
                           0,
                           0,
                           RunDrives});

const Registration rm({"rm",
                       "MASK...",
                       "delete the files matching masks, or with --trash move them to the trash",
                       "Each MASK is a folder and a name pattern (* and ?, letters in any case), such\n"
                       "as '/tmp/logs/*.log' (quote it for the shell). The files it matches in that\n"
                       "folder go, links as links; folders and names beginning with '.' stay, and\n"
                       "subfolders are not searched. --trash moves them to the freedesktop.org trash\n"
                       "(that of their own mount; trash-restore or a file manager brings them back)\n"
                       "instead of deleting them. A mask that matches nothing, or files that cannot\n"
                       "go, are reported on standard error (exit 1); the other masks are still done.",
                       {{"trash", "", "move to the trash instead of deleting"},
                        {"verbose", "", "print how many files went for each mask", 'v'}},
                       1,
                       1 << 20,
                       RunRm});

const TourRegistration stop(
    {86, "Drives and the trash",
     [](std::ostream& out) {
       using namespace zub;
       TStringList drives;
       BuildDriveList(drives);
       std::string letters;
       for (int32_t i = 0; i < drives.Count(); ++i) letters += (i > 0 ? " " : "") + U8(drives.Strings(i));
       out << "BuildDriveList: " << letters
           << " (C: is / unless mapped); GetDiskDriveType(2) = " << GetDiskDriveType(2) << " ("
           << TypeName(GetDiskDriveType(2))
           << "), DiskFreeExtended(2) > 0: " << (DiskFreeExtended(2) > 0 ? "yes" : "no") << "\n";
       // A sample folder and a trash of the tour's own, so that the user's trash is not touched.
       namespace fs = std::filesystem;
       std::string tmpl = (fs::temp_directory_path() / "zubkit-tour-XXXXXX").string();
       if (::mkdtemp(tmpl.data()) == nullptr) return;
       const fs::path base = tmpl;
       fs::create_directory(base / "work");
       for (const char* f : {"notes one.txt", "notes two.txt", "keep.dat"})
         std::ofstream(base / "work" / f) << f;
       const char* oldData = std::getenv("XDG_DATA_HOME");
       const std::string saved = oldData != nullptr ? oldData : "";
       ::setenv("XDG_DATA_HOME", (base / "data").c_str(), 1);
       const UnicodeString work = SystemNameToUnicode((base / "work").string()) + u"/";
       out << "MoveToRecycleBin(\"work/*.TXT\") = " << MoveToRecycleBin(work + u"*.TXT")
           << "; Trash/info/notes one.txt.trashinfo:\n";
       std::ifstream info(base / "data/Trash/info/notes one.txt.trashinfo");
       for (std::string line; std::getline(info, line);) out << "  " << line << "\n";
       out << "DeleteFiles(\"work/*\") = " << DeleteFiles(work + u"*")
           << "; DirIsReadOnly(\"work\") = " << (DirIsReadOnly(work) ? "true" : "false") << "\n";
       if (oldData != nullptr)
         ::setenv("XDG_DATA_HOME", saved.c_str(), 1);
       else
         ::unsetenv("XDG_DATA_HOME");
       std::error_code ec;
       fs::remove_all(base, ec);
     },
     "filesys/ZUB_filesys.hpp"});

}  // namespace
}  // namespace zubkit
