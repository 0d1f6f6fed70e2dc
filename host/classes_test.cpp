#include "host/classes.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace zub {
namespace {

// Records the order of destruction.
class Probe : public TComponent {
 public:
  Probe(TComponent* owner, std::vector<UnicodeString>& log, const UnicodeString& name)
      : TComponent(owner), FLog(log) {
    SetName(name);
  }
  ~Probe() override { FLog.push_back(Name()); }

 private:
  std::vector<UnicodeString>& FLog;
};

TEST(Component, OwnerReleasesWhatItOwnsAndChildrenUnregister) {
  std::vector<UnicodeString> log;
  {
    Probe root(nullptr, log, u"root");
    auto* a = new Probe(&root, log, u"a");
    new Probe(a, log, u"a1");
    auto* b = new Probe(&root, log, u"b");
    EXPECT_EQ(root.ComponentCount(), 2);
    EXPECT_EQ(b->Owner(), &root);
    delete b;  // a component deleted early leaves its owner's list
    EXPECT_EQ(root.ComponentCount(), 1);
    EXPECT_EQ(root.Components(0), a);
    EXPECT_THROW(root.Components(1), EListError);
  }
  // A component's own destructor runs first, then its base releases what it owns.
  EXPECT_EQ(log, (std::vector<UnicodeString>{u"b", u"root", u"a", u"a1"}));
}

TEST(Component, InsertComponentMovesOwnership) {
  std::vector<UnicodeString> log;
  Probe first(nullptr, log, u"first");
  Probe second(nullptr, log, u"second");
  auto* child = new Probe(&first, log, u"child");
  second.InsertComponent(child);
  EXPECT_EQ(first.ComponentCount(), 0);
  EXPECT_EQ(child->Owner(), &second);
}

class Shape : public TPersistent {
 public:
  UnicodeString ClassName() const override { return u"TShape"; }
  int Size = 0;
  void Assign(const TPersistent* Source) override {
    if (const auto* s = dynamic_cast<const Shape*>(Source)) {
      Size = s->Size;
      return;
    }
    TPersistent::Assign(Source);
  }
};

class Colour : public TPersistent {
 public:
  UnicodeString ClassName() const override { return u"TColour"; }
};

TEST(Persistent, AssignCopiesKnownClassesAndFailsForOthers) {
  Shape a, b;
  b.Size = 7;
  a.Assign(&b);
  EXPECT_EQ(a.Size, 7);

  Colour c;
  try {
    a.Assign(&c);
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), u"Cannot assign a TColour to a TShape");
  }
  try {
    a.Assign(nullptr);
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), u"Cannot assign a nil to a TShape");
  }
}

}  // namespace
}  // namespace zub
