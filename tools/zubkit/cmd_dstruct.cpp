// The tour's look at the data structures: the string table, the associative array and the
// feature matrix.
#include <ostream>

#include "tools/zubkit/cli.hpp"
#include "zubcorekit.hpp"

namespace zubkit {
namespace {

const TourRegistration stop(
    {70, "Data structures",
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
       for (int32_t r = 1; r <= 4; ++r) out << " " << UnicodeToUtf8(table.GetString(1, r));
       out << "\n  GetAsInteger(2, 1) = " << table.GetAsInteger(2, 1) << " (row 1 is now "
           << UnicodeToUtf8(table.GetString(1, 1)) << ")\n";
       TAssocArray settings(nullptr);
       settings.Add(u"width", Variant(int32_t{640}));
       settings.Add(u"scale", Variant(UnicodeString(u"2.5 times")));
       settings.Add(u"title", Variant(UnicodeString(u"Depth profile")));
       out << "TAssocArray: ResolveAsInt(\"width\") = " << settings.ResolveAsInt(u"width")
           << ", ResolveAsNumber(\"scale\") = " << settings.ResolveAsNumber(u"scale")
           << " (read from the text \"2.5 times\"), ResolveAsString(\"title\") = \""
           << UnicodeToUtf8(settings.ResolveAsString(u"title")) << "\"\n";
       TFeatureMatrix features(nullptr);
       features.SetName(u"Samples");
       features.Resize(3, 2);
       features.SetFeatType(1, 1, fkInteger);
       features.SetFeatType(2, 2, fkDouble);
       features.SetFeatType(3, 3, fkTriState);
       features.GenerateFeatNames(u"F<%D-3%>", 0, 0, 1, 1);
       features.SetFeatValint(1, 1, 5000000000);
       features.SetFeatValDouble(2, 1, 1.85);
       features.SetFeatValStr(3, 1, u"TRUE");
       out << "TFeatureMatrix, 3 features x 2 objects named by GenerateFeatNames(\"F<%D-3%>\"): "
           << UnicodeToUtf8(features.GetFeatProps(1)->FeatName()) << " "
           << UnicodeToUtf8(features.GetFeatProps(3)->FeatName())
           << "\n  GetFeatValInt(1, 1) = " << features.GetFeatValInt(1, 1)
           << ", GetFeatValDouble(2, 1) = " << features.GetFeatValDouble(2, 1)
           << ", GetFeatValTriState(3, 1) = "
           << UnicodeToUtf8(TriStateToStr(features.GetFeatValTriState(3, 1), 0))
           << "\n  SetFeatValStr(1, 2, \"1.5\") raises: ";
       try {
         features.SetFeatValStr(1, 2, u"1.5");
       } catch (const EZUBDStructError& e) {
         out << UnicodeToUtf8(e.Message()) << "\n";
       }
     },
     "dstruct/ZUB_dstruct.hpp"});

}  // namespace
}  // namespace zubkit
