// PrintBitmap through a real CUPS queue: a private scheduler with a cups-pdf printer,
// started for the test, prints the page to a PDF that pdftoppm renders back.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "foundation/print_bitmap.hpp"
#include "host/visual/printer.hpp"

namespace zub {
namespace {

namespace fs = std::filesystem;

bool Shell(const std::string& command) {
  return std::system(command.c_str()) == 0;
}

std::string Tail(const fs::path& file) {
  std::ifstream in(file);
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  return text.size() > 2000 ? text.substr(text.size() - 2000) : text;
}

// A scheduler of its own in a scratch folder, listening on a socket there, with one
// cups-pdf queue whose PDFs land in the folder too.
class CupsPdfQueue : public ::testing::Test {
 protected:
  fs::path Dir;
  std::string Queue = "zubcorekit-test-" + std::to_string(::getpid());
  fs::path QueueConfig;
  pid_t Scheduler = -1;
  std::string Why;  // why it could not start

  void SetUp() override {
    if (::geteuid() != 0) return Skip("a scheduler with the cups-pdf backend needs root");
    for (const char* tool : {"/usr/sbin/cupsd", "/usr/sbin/lpadmin", "/usr/lib/cups/backend/cups-pdf"})
      if (!fs::exists(tool))
        return Skip(std::string(tool) + " is not installed (cups, printer-driver-cups-pdf)");
    const fs::path ppd = "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd";
    if (!fs::exists(ppd)) return Skip(ppd.string() + " is not installed");
    if (!Shell("command -v pdftoppm >/dev/null")) return Skip("pdftoppm (poppler-utils) is not installed");

    char templ[] = "/tmp/zubcorekit-cups-XXXXXX";
    if (!::mkdtemp(templ)) return Skip("no scratch folder");
    Dir = templ;
    for (const char* sub : {"etc", "spool", "spool/tmp", "cache", "state", "log", "pdf", "pdfspool"})
      fs::create_directories(Dir / sub);
    // The scheduler's filters run as lp.
    Shell("chmod -R 777 '" + Dir.string() + "'");
    std::ofstream(Dir / "etc/cupsd.conf")
        << "Listen " << (Dir / "cups.sock").string()
        << "\nLogLevel warn\nWebInterface No\nBrowsing No\n"
           "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
           "<Policy default>\n  <Limit All>\n    Order deny,allow\n  </Limit>\n"
           "</Policy>\n";
    std::ofstream(Dir / "etc/cups-files.conf")
        << "ServerRoot " << (Dir / "etc").string() << "\nRequestRoot " << (Dir / "spool").string()
        << "\nTempDir " << (Dir / "spool/tmp").string() << "\nCacheDir " << (Dir / "cache").string()
        << "\nStateDir " << (Dir / "state").string() << "\nAccessLog " << (Dir / "log/access_log").string()
        << "\nErrorLog " << (Dir / "log/error_log").string() << "\nPageLog "
        << (Dir / "log/page_log").string() << "\nSystemGroup root\nSandboxing Relaxed\n";
    Scheduler = ::fork();
    if (Scheduler == 0) {
      ::execl("/usr/sbin/cupsd", "cupsd", "-f", "-c", (Dir / "etc/cupsd.conf").c_str(), "-s",
              (Dir / "etc/cups-files.conf").c_str(), static_cast<char*>(nullptr));
      ::_exit(127);
    }
    for (int i = 0; i < 100 && !fs::exists(Dir / "cups.sock"); ++i)
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
    if (!fs::exists(Dir / "cups.sock"))
      return Skip("cupsd does not start here: " + Tail(Dir / "log/error_log"));
    ::setenv("CUPS_SERVER", (Dir / "cups.sock").c_str(), 1);
    // cups-pdf reads a queue's own settings from /etc/cups/cups-pdf-QUEUE.conf.
    QueueConfig = fs::path("/etc/cups") / ("cups-pdf-" + Queue + ".conf");
    std::ofstream(QueueConfig) << "Out " << (Dir / "pdf").string() << "\nAnonDirName "
                               << (Dir / "pdf").string() << "\nSpool " << (Dir / "pdfspool").string()
                               << "\nLog " << (Dir / "log").string() << "\nGrp root\nUserUMask 0000\n";
    if (!Shell("/usr/sbin/lpadmin -h '" + (Dir / "cups.sock").string() + "' -p " + Queue +
               " -E -v cups-pdf:/" + Queue + " -P " + ppd.string() + " 2>&1"))
      return Skip("lpadmin cannot add the cups-pdf queue: " + Tail(Dir / "log/error_log"));
  }

  void Skip(const std::string& why) { Why = why; }

  void TearDown() override {
    if (Scheduler > 0) {
      ::kill(Scheduler, SIGTERM);
      int status;
      ::waitpid(Scheduler, &status, 0);
    }
    std::error_code ignored;
    if (!QueueConfig.empty()) fs::remove(QueueConfig, ignored);
    if (!Dir.empty()) fs::remove_all(Dir, ignored);
  }

  // The first PDF the queue wrote, waiting up to Seconds for it.
  fs::path WaitForPdf(int Seconds) {
    for (int i = 0; i < Seconds * 10; ++i) {
      for (const auto& entry : fs::recursive_directory_iterator(Dir / "pdf"))
        if (entry.path().extension() == ".pdf" && entry.file_size() > 0) {
          std::this_thread::sleep_for(std::chrono::milliseconds(500));  // let it finish writing
          return entry.path();
        }
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return {};
  }
};

TEST_F(CupsPdfQueue, PrintedBitmapLandsOnThePageAtItsPlaceAndSize) {
  if (!Why.empty()) GTEST_SKIP() << "skipped: " << Why;
  // 150 x 90 pixels, half an inch by 0.3 inch at 300 pixels per inch: black with a red
  // middle from 30 to 120 across and 20 to 70 down.
  TBitmap image(150, 90);
  image.Canvas().Brush().SetColor(clBlack);
  image.Canvas().FillRect({0, 0, 150, 90});
  image.Canvas().Brush().SetColor(clRed);
  image.Canvas().FillRect({30, 20, 120, 70});
  TPrinter& printer = *Printer();
  ASSERT_GE(printer.Printers().IndexOf(Utf8ToUnicode(Queue)), 0);
  printer.SetPrinterName(Utf8ToUnicode(Queue));
  printer.SetFileName(u"");  // to the spooler
  printer.SetTitle(u"zubcorekit PrintBitmap test");
  printer.BeginDoc();
  PrintBitmap(image, 600, 900);
  printer.EndDoc();

  const fs::path pdf = WaitForPdf(60);
  ASSERT_FALSE(pdf.empty()) << "no PDF from the queue; the scheduler's log:\n" << Tail(Dir / "log/error_log");
  const fs::path png = Dir / "page";
  ASSERT_TRUE(Shell("pdftoppm -r 300 -f 1 -l 1 -singlefile -png -aa no -aaVector no '" + pdf.string() +
                    "' '" + png.string() + "'"));
  TBitmap page;
  page.LoadFromPNGFile(Utf8ToUnicode(png.string() + ".png"));
  // The spooler's page is the A4 page, and the bitmap lies where it was printed, in its
  // size: the renderer may smooth its edges by a pixel or two, so the probes keep 4 pixels
  // from every edge.
  ASSERT_NEAR(page.Width(), 2480, 2);
  ASSERT_NEAR(page.Height(), 3508, 2);
  const auto near = [](TColor a, TColor b) {
    for (int shift = 0; shift < 24; shift += 8)
      if (std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)) > 48)
        return false;
    return true;
  };
  struct Probe {
    int32_t x, y;
    TColor want;
  };
  for (const Probe& probe : {Probe{604, 904, clBlack}, Probe{745, 985, clBlack}, Probe{626, 945, clBlack},
                             Probe{675, 915, clBlack}, Probe{634, 924, clRed}, Probe{715, 965, clRed},
                             Probe{675, 945, clRed}, Probe{596, 945, clWhite}, Probe{754, 945, clWhite},
                             Probe{675, 896, clWhite}, Probe{675, 994, clWhite}})
    EXPECT_TRUE(near(page.Canvas().Pixels(probe.x, probe.y), probe.want))
        << probe.x << "," << probe.y << ": " << std::hex << page.Canvas().Pixels(probe.x, probe.y);
}

}  // namespace
}  // namespace zub
