// TPrinter: documents of pages drawn on a printer canvas at the printer's resolution, made
// into a PDF (one page image per page, through cairo) and handed to the print spooler
// through libcups, or written to a PDF file the caller names.
#pragma once

#include <cstdint>
#include <memory>

#include "host/classes.hpp"
#include "host/string_list.hpp"
#include "host/visual/canvas.hpp"
#include "host/visual/pixel_buffer.hpp"

namespace zub {

// A document that cannot begin, be printed or be written; the message says why.
ZUB_DECLARE_EXCEPTION(EPrinter, Exception);

class TPrinter : public TObject {
 public:
  // A4 pages at 300 pixels per inch, to the spooler's default destination.
  TPrinter();
  ~TPrinter() override;
  UnicodeString ClassName() const override { return u"TPrinter"; }

  // The spooler's destinations, as it lists them ("name" or "name/instance"); empty when
  // no spooler answers. Read anew at each call.
  const TStringList& Printers();
  // The destination to print to; empty (the default) for the spooler's default one.
  const UnicodeString& PrinterName() const { return FPrinterName; }
  void SetPrinterName(const UnicodeString& Value) { FPrinterName = Value; }
  // When not empty, EndDoc writes the PDF to this file instead of printing it.
  const UnicodeString& FileName() const { return FFileName; }
  void SetFileName(const UnicodeString& Value) { FFileName = Value; }
  // The job's title at the spooler.
  const UnicodeString& Title() const { return FTitle; }
  void SetTitle(const UnicodeString& Value) { FTitle = Value; }

  // Resolution in pixels per inch, 72 to 1200 (values outside are clamped); changed only
  // while no document is open, and it sets the page size in pixels and the pixel density of
  // the canvas's font.
  int32_t PixelsPerInch() const { return FPixelsPerInch; }
  void SetPixelsPerInch(int32_t Value);
  // An A4 page (210 x 297 mm) in pixels at the resolution.
  int32_t PageWidth() const { return FPage.Width(); }
  int32_t PageHeight() const { return FPage.Height(); }

  // The canvas of the current page (a printer canvas: TCanvas::IsPrinterCanvas). Drawing
  // outside a document goes to a page that BeginDoc clears.
  TCanvas& Canvas() { return *FCanvas; }

  // Starts a document on a white first page. Raises EPrinter while one is open, and when
  // there is neither a file name nor a spooler destination to print to.
  void BeginDoc();
  // Ends the current page and starts a white one. EPrinter outside a document.
  void NewPage();
  // Ends the document: writes the PDF to FileName, or hands it to the spooler. EPrinter
  // outside a document, or when the file cannot be written or the spooler refuses the job
  // (with its reason); the document is closed either way.
  void EndDoc();
  // Drops the open document, if any.
  void Abort();
  bool Printing() const { return FDocument != nullptr; }
  // 1 on the first page of a document; 0 outside one.
  int32_t PageNumber() const { return FPageNumber; }

 private:
  struct Document;
  void EmitPage();
  void ClearPage();

  UnicodeString FPrinterName, FFileName, FTitle;
  TStringList FPrinters;
  int32_t FPixelsPerInch = 300;
  TPixelBuffer FPage;
  std::unique_ptr<TCanvas> FCanvas;
  std::unique_ptr<Document> FDocument;
  int32_t FPageNumber = 0;
};

// The process's printer, made on first use.
TPrinter* Printer();

}  // namespace zub
