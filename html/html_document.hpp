// Whole HTML documents: a standard head and foot around a page's content, the body of a
// document, and the visible text of a body.
#pragma once

#include "foundation/ZUB_zubbase.hpp"

namespace zub {

// The start of an HTML5 document, lines ending in CR LF:
//   <!DOCTYPE html>
//   <html>
//   <head>
//   <meta charset="CharSet">
//   <meta name="description" content="Description">     (only when Description is given)
//   <title>Title</title>
//   <link rel="stylesheet" href="StyleSheet">             (only when StyleSheet is given)
//   </head>
//   <body>                                                (only when OpenBody is set)
// An empty CharSet stands for "windows-1252", the code page in which the producer writes its
// files (MakeStringHTMLCompatible writes every character beyond it as a reference). Title,
// Description and StyleSheet are written through MakeStringHTMLCompatible; CharSet is
// written with every character other than letters, digits, "-", "_", "." and ":" dropped.
UnicodeString DefaultHTMLHead(const UnicodeString& Title, const UnicodeString& CharSet,
                              const UnicodeString& StyleSheet, const UnicodeString& Description,
                              bool OpenBody);

// The end of the document: "</body>" CR LF when CloseBody is set (for a head opened with
// OpenBody), then "</html>" CR LF.
UnicodeString DefaultHTMLFoot(bool CloseBody);

// The content of the document's body: what stands between the "<body ...>" tag and the last
// "</body>" (tags found in any case). Without a body tag the content starts after "</head>",
// or after the "<html ...>" tag, or at the start; without "</body>" it ends before the last
// "</html>", or at the end.
UnicodeString ExtractHTMLBody(const UnicodeString& s);

// The visible text of a document or body fragment (its body is taken with ExtractHTMLBody
// first). Tags and comments go, and with them the content of script, style, head, title,
// template and noscript elements; runs of white space become one blank, except inside pre
// elements; block elements (p, div, h1..h6, li, tr, table, blockquote, section, ...) and
// "<br>" end a line, and a table cell is followed by a tab. With LineBreaks the line ends
// are CR LF, otherwise blanks. Blanks around line ends and empty lines are dropped, as are
// line ends at the start and the end. Character references are resolved last, so "&nbsp;"
// and "&lt;" survive as characters.
UnicodeString ConvertHTMLBodyToText(const UnicodeString& s, bool LineBreaks);

}  // namespace zub
