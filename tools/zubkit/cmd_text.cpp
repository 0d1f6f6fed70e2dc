// The tour's look at string editing.
#include <ostream>

#include "tools/zubkit/cli.hpp"
#include "zubcorekit.hpp"

namespace zubkit {
namespace {

const TourRegistration stop(
    {40, "String editing",
     [](std::ostream& out) {
       using namespace zub;
       const UnicodeString line = u"  name = Widget; size = 12; colour = red  ";
       out << "Sample line: \"" << UnicodeToUtf8(line) << "\"\n";
       out << "  StripLTBlanks(ExtractSubString(line, 1, \";\")) = \""
           << UnicodeToUtf8(StripLTBlanks(ExtractSubString(line, 1, u";"))) << "\"\n";
       out << "  ExtractAfterTrigger(line, \"colour =\", true) = \""
           << UnicodeToUtf8(ExtractAfterTrigger(line, u"colour =", true)) << "\"\n";
       out << "  NumberedPos(\"=\", line, 1, 2, false) = " << NumberedPos(u"=", line, 1, 2, false)
           << ", PosLast(\"=\", line) = " << PosLast(u"=", line) << "\n";
       out << "  ReplaceStringInString(StripLTBlanks(line), \"E\", \"3\", true) = \""
           << UnicodeToUtf8(ReplaceStringInString(StripLTBlanks(line), u"E", u"3", true)) << "\"\n";
       out << "  CapitalizeString(\"hello world-wide 2nd\") = \""
           << UnicodeToUtf8(CapitalizeString(u"hello world-wide 2nd"))
           << "\"\n  ReduceStringToFN83CompliantChars(\"my file?.txt\") = \""
           << UnicodeToUtf8(ReduceStringToFN83CompliantChars(u"my file?.txt")) << "\"\n";
       TStringList list;
       for (const Char* s : {u"item #10 ten", u"item #9 nine", u"item #100 hundred"}) list.Add(s);
       SortStringList(list, u"#", 1, 1, false, true);
       out << "  SortStringList(list, \"#\", 1, 1, false, true) sorts by the number after \"#\": ";
       for (int32_t i = 0; i < list.Count(); ++i) out << (i ? ", " : "") << UnicodeToUtf8(list.Strings(i));
       out << "\n";
     },
     "strings/ZUB_stringl.hpp"});

}  // namespace
}  // namespace zubkit
