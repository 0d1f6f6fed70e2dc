// The tour's look at the small containers: the array and string stacks, the FIFO and the
// string accumulator.
#include <ostream>
#include <string>

#include "tools/zubkit/cli.hpp"
#include "zubcorekit.hpp"

namespace zubkit {
namespace {

const char* Bool(bool b) {
  return b ? "true" : "false";
}

const TourRegistration stop(
    {72, "Stacks, FIFO and string accumulator",
     [](std::ostream& out) {
       using namespace zub;
       T2DArrayStack arrays(nullptr);
       const TDouble2DArray ragged = {{1, 2}, {3}, {5, 6, 7}};
       out << "T2DArrayStack (MaxSize " << arrays.MaxSize()
           << "): Push({{1, 2}, {3}, {5, 6, 7}}, \"Abc\") = " << arrays.Push(ragged, u"Abc")
           << ", FindByName(\"aBC\") = " << arrays.FindByName(u"aBC");
       TDouble2DArray top;
       UnicodeString name;
       const int32_t popped = arrays.Pop(top, name);
       out << "\n  Pop(Arr, Name) = " << popped << ": Name \"" << UnicodeToUtf8(name) << "\", Arr";
       for (const TDoubleArray& row : top) {
         out << " |";
         for (const double v : row) out << " " << v;
       }
       out << " (rows as wide as the first, padded with 0 or cut)\n";
       const int32_t again = arrays.Pop(top, name);
       out << "  Pop again = " << again << " on the empty stack, Arr " << top.size() << " x "
           << (top.empty() ? 0 : top[0].size()) << ", Name \"" << UnicodeToUtf8(name) << "\"\n";

       TStringStack strings(nullptr);
       for (const Char* s : {u"alpha", u"Hello world", u"omega"}) strings.Push(s);
       out << "TStringStack holding alpha, \"Hello world\", omega:\n  FindString(\"WORLD\", true, true) = "
           << strings.FindString(u"WORLD", true, true) << ", FindString(\"hello world\", false, false) = "
           << strings.FindString(u"hello world", false, false) << "\n";

       TFifo fifo(nullptr);
       fifo.SetSize(4);
       out << "TFifo of Size 4 holds 3 bytes: PutByte(1), (2), (3), (4) =";
       for (uint8_t b = 1; b <= 4; ++b) out << " " << Bool(fifo.PutByte(b));
       out << "; ForceByte(4) = " << Bool(fifo.ForceByte(4)) << " (the oldest, 1, is dropped)";
       uint8_t first = 0;
       fifo.GetByte(first);
       out << "\n  GetByte = " << int{first} << ", LoadBack(9) = " << Bool(fifo.LoadBack(9))
           << ", GetByte until false:";
       for (uint8_t b = 0; fifo.GetByte(b);) out << " " << int{b};
       out << ", CountBytes = " << fifo.CountBytes() << "\n";

       TStringAccu accu(nullptr);
       for (const Char* s : {u"a", u"b", u"a", u"A"}) accu.Add(s);
       out << "TStringAccu after Add(\"a\"), Add(\"b\"), Add(\"a\"), Add(\"A\"): Size = " << accu.Size();
       for (int32_t i = 1; i <= accu.Size(); ++i)
         out << ", " << UnicodeToUtf8(accu.GetString(i)) << " x" << accu.GetCount(i);
       out << "\n";
     },
     "dstruct/ZUB_dstruct.hpp"});

}  // namespace
}  // namespace zubkit
