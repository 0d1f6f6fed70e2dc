// The tour's look at the data structures: the string table and the associative array.
#include <ostream>

#include "tools/zubkit/cli.hpp"
#include "zubcorekit.hpp"

namespace zubkit {
namespace {

const TourRegistration stop({70, "Data structures",
                             [](std::ostream& out) {
                               using namespace zub;
                               TStringArray table(nullptr);
                               table.Resize(2, 4);
                               const Char* names[] = {u"Oslo", u"bern", u"Athens", u"Cairo"};
                               const Char* people[] = {u"709037", u"134794", u"643452", u"10230350"};
                               for (int32_t r = 1; r <= 4; ++r) {
                                 table.SetString(1, r, names[r - 1]);
                                 table.SetString(2, r, people[r - 1]);
                               }
                               table.Sort(1, 0, true);
                               out << "TStringArray, 2 columns x 4 rows in " << table.NumBuffers()
                                   << " string pool; Sort(1, 0, true) orders column 1 regardless of case:\n ";
                               for (int32_t r = 1; r <= 4; ++r)
                                 out << " " << UnicodeToUtf8(table.GetString(1, r));
                               out << "\n  GetAsInteger(2, 1) = " << table.GetAsInteger(2, 1)
                                   << " (row 1 is now " << UnicodeToUtf8(table.GetString(1, 1)) << ")\n";
                               TAssocArray settings(nullptr);
                               settings.Add(u"width", Variant(int32_t{640}));
                               settings.Add(u"scale", Variant(UnicodeString(u"2.5 times")));
                               settings.Add(u"title", Variant(UnicodeString(u"Depth profile")));
                               out << "TAssocArray: ResolveAsInt(\"width\") = "
                                   << settings.ResolveAsInt(u"width")
                                   << ", ResolveAsNumber(\"scale\") = " << settings.ResolveAsNumber(u"scale")
                                   << " (read from the text \"2.5 times\"), ResolveAsString(\"title\") = \""
                                   << UnicodeToUtf8(settings.ResolveAsString(u"title")) << "\"\n";
                             },
                             "dstruct/ZUB_dstruct.hpp"});

}  // namespace
}  // namespace zubkit
