#include "host/visual/printer.hpp"

#include <cairo-pdf.h>
#include <cairo.h>
#include <cups/cups.h>

#include <algorithm>
#include <cmath>
#include <new>
#include <string>
#include <vector>

#include "host/file_stream.hpp"

namespace zub {

namespace {

constexpr double kA4WidthPt = 595.2756, kA4HeightPt = 841.8898;  // 210 x 297 mm

// The spooler's destination names; Default gets the default one's, if any.
std::vector<std::string> Destinations(std::string* Default) {
  cups_dest_t* dests = nullptr;
  const int n = cupsGetDests2(CUPS_HTTP_DEFAULT, &dests);
  std::vector<std::string> names;
  for (int i = 0; i < n; ++i) {
    std::string name = dests[i].name;
    if (dests[i].instance) name += std::string("/") + dests[i].instance;
    if (Default && dests[i].is_default) *Default = name;
    names.push_back(name);
  }
  cupsFreeDests(n, dests);
  return names;
}

}  // namespace

// The PDF being written, into memory.
struct TPrinter::Document {
  std::vector<uint8_t> Bytes;
  cairo_surface_t* Surface = nullptr;
  std::string Destination;  // empty when writing to a file
  ~Document() {
    if (Surface) cairo_surface_destroy(Surface);
  }
  static cairo_status_t Append(void* Closure, const unsigned char* Data, unsigned int Length) {
    try {
      auto* bytes = static_cast<std::vector<uint8_t>*>(Closure);
      bytes->insert(bytes->end(), Data, Data + Length);
      return CAIRO_STATUS_SUCCESS;
    } catch (const std::bad_alloc&) {
      return CAIRO_STATUS_NO_MEMORY;
    }
  }
};

TPrinter::TPrinter() : FTitle(u"zubcorekit") {
  FCanvas = std::make_unique<TCanvas>(FPage, FPixelsPerInch, true);
  SetPixelsPerInch(FPixelsPerInch);
}

TPrinter::~TPrinter() = default;

const TStringList& TPrinter::Printers() {
  FPrinters.Clear();
  for (const std::string& name : Destinations(nullptr)) FPrinters.Add(Utf8ToUnicode(name));
  return FPrinters;
}

void TPrinter::SetPixelsPerInch(int32_t Value) {
  if (Printing()) return;
  FPixelsPerInch = std::clamp(Value, 72, 1200);
  FPage.SetSize(static_cast<int32_t>(std::lround(kA4WidthPt / 72 * FPixelsPerInch)),
                static_cast<int32_t>(std::lround(kA4HeightPt / 72 * FPixelsPerInch)), ColorToPixel(clWhite));
  const int32_t size = FCanvas->Font().Size();
  FCanvas->Font().SetPixelsPerInch(FPixelsPerInch);
  FCanvas->Font().SetSize(size);
}

void TPrinter::ClearPage() {
  std::fill(FPage.Bits(),
            FPage.Bits() + static_cast<size_t>(FPage.Width()) * static_cast<size_t>(FPage.Height()),
            ColorToPixel(clWhite));
}

void TPrinter::BeginDoc() {
  if (Printing()) throw EPrinter("Printing in progress");
  auto doc = std::make_unique<Document>();
  if (FFileName.empty()) {
    std::string fallback;
    const std::vector<std::string> names = Destinations(&fallback);
    doc->Destination = FPrinterName.empty() ? fallback : UnicodeToUtf8(FPrinterName);
    if (doc->Destination.empty())
      throw EPrinter("There is no default printer to print to; name a printer or a PDF file");
    if (std::find(names.begin(), names.end(), doc->Destination) == names.end())
      throw EPrinter("There is no printer \"" + doc->Destination + "\"");
  }
  doc->Surface = cairo_pdf_surface_create_for_stream(&Document::Append, &doc->Bytes, kA4WidthPt, kA4HeightPt);
  if (cairo_surface_status(doc->Surface) != CAIRO_STATUS_SUCCESS)
    throw EPrinter(std::string("Cannot start the document: ") +
                   cairo_status_to_string(cairo_surface_status(doc->Surface)));
  ClearPage();
  FDocument = std::move(doc);
  FPageNumber = 1;
}

void TPrinter::EmitPage() {
  cairo_surface_t* image =
      cairo_image_surface_create_for_data(reinterpret_cast<unsigned char*>(FPage.Bits()), CAIRO_FORMAT_RGB24,
                                          FPage.Width(), FPage.Height(), 4 * FPage.Width());
  cairo_t* cr = cairo_create(FDocument->Surface);
  cairo_scale(cr, 72.0 / FPixelsPerInch, 72.0 / FPixelsPerInch);
  cairo_set_source_surface(cr, image, 0, 0);
  cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
  cairo_paint(cr);
  cairo_show_page(cr);
  cairo_destroy(cr);
  cairo_surface_destroy(image);
}

void TPrinter::NewPage() {
  if (!Printing()) throw EPrinter("Printing not in progress");
  EmitPage();
  ClearPage();
  ++FPageNumber;
}

void TPrinter::EndDoc() {
  if (!Printing()) throw EPrinter("Printing not in progress");
  EmitPage();
  const std::unique_ptr<Document> doc = std::move(FDocument);
  FPageNumber = 0;
  cairo_surface_finish(doc->Surface);
  if (cairo_surface_status(doc->Surface) != CAIRO_STATUS_SUCCESS)
    throw EPrinter(std::string("Cannot make the PDF: ") +
                   cairo_status_to_string(cairo_surface_status(doc->Surface)));
  if (doc->Destination.empty()) {
    TFileStream file(FFileName, fmCreate);
    for (size_t at = 0; at < doc->Bytes.size();) {
      const auto chunk = static_cast<int32_t>(std::min<size_t>(doc->Bytes.size() - at, size_t{1} << 30));
      file.WriteBuffer(doc->Bytes.data() + at, chunk);
      at += static_cast<size_t>(chunk);
    }
    return;
  }
  // The queue's name without an instance.
  const std::string queue = doc->Destination.substr(0, doc->Destination.find('/'));
  const std::string title = UnicodeToUtf8(FTitle);
  const int job = cupsCreateJob(CUPS_HTTP_DEFAULT, queue.c_str(), title.c_str(), 0, nullptr);
  const auto fail = [&](const char* what) {
    const std::string reason = cupsLastErrorString();
    if (job != 0) cupsCancelJob2(CUPS_HTTP_DEFAULT, queue.c_str(), job, 0);
    throw EPrinter("Printing to \"" + doc->Destination + "\" failed (" + what + "): " + reason);
  };
  if (job == 0) fail("creating the job");
  if (cupsStartDocument(CUPS_HTTP_DEFAULT, queue.c_str(), job, title.c_str(), CUPS_FORMAT_PDF, 1) !=
      HTTP_STATUS_CONTINUE)
    fail("starting the document");
  if (cupsWriteRequestData(CUPS_HTTP_DEFAULT, reinterpret_cast<const char*>(doc->Bytes.data()),
                           doc->Bytes.size()) != HTTP_STATUS_CONTINUE)
    fail("sending the document");
  if (cupsFinishDocument(CUPS_HTTP_DEFAULT, queue.c_str()) != IPP_STATUS_OK) fail("finishing the document");
}

void TPrinter::Abort() {
  FDocument.reset();
  FPageNumber = 0;
}

TPrinter* Printer() {
  static TPrinter printer;
  return &printer;
}

}  // namespace zub
