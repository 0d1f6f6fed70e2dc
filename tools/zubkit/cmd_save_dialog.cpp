// `zubkit save-dialog`: asks for the name of a file to save, through the desktop's save
// dialog or, with --custom, through lines read from standard input, and prints the name.
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <ostream>
#include <string>

#include "tools/zubkit/cli.hpp"
#include "zubcorekit.hpp"

namespace zubkit {
namespace {

using zub::UnicodeString;

std::string U8(const UnicodeString& s) {
  return zub::UnicodeToUtf8(s);
}

// The next line of standard input, without its line end; false at the end of the input.
bool NextLine(std::string& line) {
  if (!std::getline(std::cin, line)) return false;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return true;
}

zub::TModalResult ParseReply(const std::string& text) {
  if (text == "y" || text == "yes") return zub::mrYes;
  if (text == "n" || text == "no") return zub::mrNo;
  if (text == "c" || text == "cancel") return zub::mrCancel;
  return zub::mrNone;
}

int RunSaveDialog(const Args& args, std::ostream& out) {
  const std::string overwrite = args.Get("overwrite", "ask");
  if (overwrite != "ask" && ParseReply(overwrite) == zub::mrNone)
    throw UsageError("--overwrite takes ask, yes, no or cancel, not '" + overwrite + "'");
  zub::TUnivSaveDialog dialog(nullptr);
  dialog.SetName(u"SaveDialog");
  dialog.SetParameters(zub::Utf8ToUnicode(args.Get("params")));
  dialog.SetForbiddenDir(zub::Utf8ToUnicode(args.Get("forbid")));
  dialog.SetFileName(zub::Utf8ToUnicode(args.Get("name")));
  dialog.SetFilterIndex(static_cast<int32_t>(args.GetInt("type", 1, 1, 1000)));
  dialog.SetUseStandardDialog(!args.Has("custom"));
  dialog.SetOnFileSelect([](zub::TObject*, const UnicodeString&, zub::TModalResult& action, UnicodeString& name) {
    std::string line;
    if (NextLine(line) && !line.empty()) {
      name = zub::Utf8ToUnicode(line);
      action = zub::mrOk;
    }
  });
  dialog.SetOnFileCheck([](zub::TObject*, const UnicodeString& name, bool& exists) { exists = zub::FileExists(name); });
  // A forbidden folder sends the user back to choose again.
  dialog.SetOnForbiddenDir([](zub::TObject*, const UnicodeString& path, zub::TModalResult& reply) {
    std::fprintf(stderr, "zubkit save-dialog: %s is a forbidden folder; choose another\n", U8(path).c_str());
    reply = zub::mrNo;
  });
  dialog.SetOnOverwrite([&](zub::TObject*, const UnicodeString& name, zub::TModalResult& reply) {
    if (overwrite != "ask") {
      reply = ParseReply(overwrite);
      return;
    }
    for (;;) {
      std::fprintf(stderr, "%s exists. Overwrite? [y]es, [n]o (choose again), [c]ancel: ", U8(name).c_str());
      std::fflush(stderr);
      std::string line;
      if (!NextLine(line)) {
        std::fputc('\n', stderr);
        reply = zub::mrCancel;
        return;
      }
      reply = ParseReply(line);
      if (reply != zub::mrNone) return;
    }
  });
  if (!dialog.Execute()) {
    std::fflush(stdout);
    std::fprintf(stderr, "zubkit save-dialog: cancelled\n");
    return 1;
  }
  out << U8(dialog.FileName()) << "\n";
  if (args.Has("show-type")) out << dialog.FilterIndex() << "\n";
  return 0;
}

const Registration saveDialog(
    {"save-dialog",
     "",
     "asks for the name of a file to save and prints it",
     "Shows the desktop's save dialog (GTK 3; needs a display) and prints the chosen\n"
     "name; exit 1 when the user cancels. --params holds name=\"value\" pairs:\n"
     "  filter=\"Text files|*.txt|All files|*.*\"  the file types, name and mask in turn\n"
     "  ext=\"csv\"            the extension a name chosen in the dialog always gets\n"
     "  caption=\"Export\"     the dialog's title\n"
     "  initialdir=\"/tmp\"    the folder shown first\n"
     "Picking another type gives the typed name that type's extension. A name in a\n"
     "folder below --forbid is refused and the dialog shows again. For an existing\n"
     "file the question 'Overwrite?' is asked on the terminal (answer y, n to choose\n"
     "again, or c), or answered by --overwrite. With --custom no dialog is shown: each\n"
     "line of standard input is one choice, an empty line or the end cancels.\n"
     "Without a display or the dialog module the command fails with the dialog's\n"
     "error number ($FFFF: no display, $0007: no module).",
     {{"params", "TEXT", "the dialog's parameters (see above)"},
      {"forbid", "DIR", "refuse names in DIR and below"},
      {"name", "NAME", "the name proposed first"},
      {"type", "N", "the file type selected first (1-based)"},
      {"overwrite", "REPLY", "ask (the default), yes, no or cancel for an existing file"},
      {"custom", "", "read the choices from standard input instead of showing a dialog"},
      {"show-type", "", "also print the number of the file type chosen"}},
     0,
     0,
     RunSaveDialog});

const TourRegistration stop(
    {89, "The universal save dialog",
     [](std::ostream& out) {
       using namespace zub;
       TUnivSaveDialog dialog(nullptr);
       dialog.SetName(u"TourDialog");
       dialog.SetParameters(u"filter=\"Text files|*.txt|All files|*.*\" ext=\"txt\" caption=\"zubkit tour\" size=\" -12abc\"");
       out << "ExtractParamAsString(\"caption\") = \"" << U8(dialog.ExtractParamAsString(u"caption"))
           << "\"; ExtractParamAsInt(\"size\") = " << dialog.ExtractParamAsInt(u"size") << "\n";
       // A custom selection: the first pick lies in the forbidden folder, the second is taken.
       dialog.SetUseStandardDialog(false);
       dialog.SetForbiddenDir(u"C:\\Windows");
       const UnicodeString picks[] = {u"C:\\Windows\\notes.txt", u"C:\\Users\\me\\notes.txt"};
       int pick = 0;
       dialog.SetOnFileSelect([&](TObject*, const UnicodeString&, TModalResult& action, UnicodeString& name) {
         name = picks[pick++];
         action = mrOk;
       });
       dialog.SetOnForbiddenDir([&](TObject*, const UnicodeString& path, TModalResult& reply) {
         out << "OnForbiddenDir(\"" << U8(path) << "\") answers mrNo: choose again\n";
         reply = mrNo;
       });
       const bool ok = dialog.Execute();
       out << "Execute = " << (ok ? "true" : "false") << ", FileName = " << U8(dialog.FileName()) << " after " << pick
           << " selections\n";
       if (std::getenv("DISPLAY") == nullptr && std::getenv("WAYLAND_DISPLAY") == nullptr) {
         out << "(no display: the standard dialog is not shown; zubkit save-dialog shows it)\n";
         return;
       }
       dialog.SetUseStandardDialog(true);
       dialog.SetFileName(u"notes.txt");
       try {
         if (dialog.Execute())
           out << "The standard dialog chose " << U8(dialog.FileName()) << "\n";
         else
           out << "The standard dialog was cancelled\n";
       } catch (const EZUBFileSysError& e) {
         out << U8(e.Message()) << "\n";
       }
     },
     "filesys/ZUB_filesys.hpp"});

}  // namespace
}  // namespace zubkit
