#include "tools/zubkit/cli.hpp"

#include <algorithm>
#include <iostream>

#include "tools/zubkit/output.hpp"
#include "zubcorekit.hpp"

namespace zubkit {

namespace {

std::vector<Command>& Commands() {
  static std::vector<Command> commands;
  return commands;
}

std::vector<TourStop>& Stops() {
  static std::vector<TourStop> stops;
  return stops;
}

const Command* Find(const std::string& name) {
  for (const auto& c : Commands())
    if (c.name == name) return &c;
  return nullptr;
}

void PrintUsage(const Command& c, std::ostream& out) {
  out << "usage: zubkit " << c.name;
  if (!c.options.empty()) out << " [options]";
  if (!c.arguments.empty()) out << " " << c.arguments;
  out << "\n\n" << c.summary << "\n";
  if (!c.details.empty()) out << "\n" << c.details << "\n";
  if (!c.options.empty()) {
    out << "\noptions:\n";
    for (const auto& o : c.options) {
      std::string left = std::string(o.shortName ? "  -" + std::string(1, o.shortName) + ", " : "  ") + "--" +
                         o.name + (o.valueName.empty() ? "" : " " + o.valueName);
      if (left.size() < 24) left.resize(24, ' ');
      out << left << " " << o.help << "\n";
    }
  }
}

void PrintOverview(std::ostream& out) {
  out << "usage: zubkit COMMAND [options] [arguments]\n"
         "       zubkit help COMMAND | --help | --version\n\n"
         "zubkit shows what the zubcorekit library does. Commands:\n";
  std::vector<const Command*> sorted;
  for (const auto& c : Commands()) sorted.push_back(&c);
  std::sort(sorted.begin(), sorted.end(), [](auto* a, auto* b) { return a->name < b->name; });
  for (const auto* c : sorted) {
    std::string name = "  " + c->name;
    if (name.size() < 14) name.resize(14, ' ');
    out << name << " " << c->summary << "\n";
  }
  out << "\nStart with 'zubkit tour'.\n";
}

bool HasShortOption(const Command& c, char letter) {
  return std::any_of(c.options.begin(), c.options.end(),
                     [&](const OptionSpec& o) { return o.shortName == letter; });
}

// "-5", "-1.5e3": a value, not an option.
bool IsNumber(const std::string& a) {
  double v = 0;
  int32_t code = 0;
  zub::Val(zub::Utf8ToUnicode(a), v, code);
  return code == 0 && !a.empty();
}

// A failed write: reported as coreutils do, except a broken pipe, which ends quietly.
int Failed(const Command& c, const WriteError& e) {
  if (!e.BrokenPipe()) std::cerr << "zubkit " << c.name << ": " << e.what() << "\n";
  return 1;
}

}  // namespace

std::string Args::Get(const std::string& name, const std::string& fallback) const {
  const auto it = FValues.find(name);
  return it == FValues.end() ? fallback : it->second;
}

long long Args::GetInt(const std::string& name, long long fallback, long long lo, long long hi) const {
  if (!Has(name)) return fallback;
  const std::string v = Get(name);
  int32_t code = 0;
  int64_t n = 0;
  zub::Val(zub::Utf8ToUnicode(v), n, code);
  if (code != 0 || n < lo || n > hi)
    throw UsageError("--" + name + " wants a whole number from " + std::to_string(lo) + " to " +
                     std::to_string(hi) + ", not '" + v + "'");
  return n;
}

void Register(Command command) {
  Commands().push_back(std::move(command));
}
void RegisterTourStop(TourStop stop) {
  Stops().push_back(std::move(stop));
  std::stable_sort(Stops().begin(), Stops().end(),
                   [](const auto& a, const auto& b) { return a.order < b.order; });
}
const std::vector<TourStop>& TourStops() {
  return Stops();
}

namespace {

int Dispatch(const std::vector<std::string>& argsIn) {
  if (argsIn.empty()) {
    PrintOverview(std::cerr);
    return 2;
  }
  const std::string first = argsIn[0];
  if (first == "--help" || first == "-h") {
    PrintOverview(Out());
    return 0;
  }
  if (first == "--version") {
    Out() << "zubkit " << ZUB_VERSION << "\n";
    return 0;
  }
  if (first == "help") {
    if (argsIn.size() == 1) {
      PrintOverview(Out());
      return 0;
    }
    const Command* c = Find(argsIn[1]);
    if (c == nullptr || argsIn.size() > 2) {
      std::cerr << "zubkit: no command '" << argsIn[1] << "'; 'zubkit --help' lists them\n";
      return 2;
    }
    PrintUsage(*c, Out());
    return 0;
  }
  const Command* c = Find(first);
  if (c == nullptr) {
    std::cerr << "zubkit: no command '" << first << "'; 'zubkit --help' lists them\n";
    return 2;
  }

  Args args;
  try {
    bool optionsEnd = false;
    for (size_t i = 1; i < argsIn.size(); ++i) {
      const std::string& a = argsIn[i];
      if (!optionsEnd && a == "--") {
        optionsEnd = true;
      } else if (!optionsEnd && (a == "--help" || (a == "-h" && !HasShortOption(*c, 'h')))) {
        PrintUsage(*c, Out());
        return 0;
      } else if (!optionsEnd && IsNumber(a)) {
        args.AddPositional(a);
      } else if (!optionsEnd && a.size() >= 2 && a[0] == '-' && a[1] != '-') {
        // One or more short options ("-i", "-ci"); one that takes a value takes the rest
        // of the argument ("-n5") or the next one.
        for (size_t k = 1; k < a.size(); ++k) {
          const auto option = std::find_if(c->options.begin(), c->options.end(),
                                           [&](auto& o) { return o.shortName == a[k]; });
          if (option == c->options.end()) throw UsageError("unknown option -" + std::string(1, a[k]));
          if (option->valueName.empty()) {
            args.Set(option->name, "");
            continue;
          }
          if (k + 1 < a.size()) {
            args.Set(option->name, a.substr(k + 1));
          } else {
            if (i + 1 >= argsIn.size())
              throw UsageError("-" + std::string(1, a[k]) + " needs a value (" + option->valueName + ")");
            args.Set(option->name, argsIn[++i]);
          }
          break;
        }
      } else if (!optionsEnd && a.size() > 2 && a.compare(0, 2, "--") == 0) {
        std::string name = a.substr(2), value;
        const size_t eq = name.find('=');
        const bool inlineValue = eq != std::string::npos;
        if (inlineValue) {
          value = name.substr(eq + 1);
          name.resize(eq);
        }
        const auto option =
            std::find_if(c->options.begin(), c->options.end(), [&](auto& o) { return o.name == name; });
        if (option == c->options.end()) throw UsageError("unknown option --" + name);
        if (option->valueName.empty()) {
          if (inlineValue) throw UsageError("--" + name + " takes no value");
        } else if (!inlineValue) {
          if (i + 1 >= argsIn.size())
            throw UsageError("--" + name + " needs a value (" + option->valueName + ")");
          value = argsIn[++i];
        }
        args.Set(name, value);
      } else {
        args.AddPositional(a);
      }
    }
    if (args.Positional().size() < c->minArgs) throw UsageError("too few arguments");
    if (args.Positional().size() > c->maxArgs) throw UsageError("too many arguments");
    const int rc = c->run(args, Out());
    FlushOut();
    return rc;
  } catch (const UsageError& e) {
    std::cerr << "zubkit " << c->name << ": " << e.what() << "\nTry 'zubkit help " << c->name << "'.\n";
    return 2;
  } catch (const WriteError& e) {
    return Failed(*c, e);
  } catch (const std::exception& e) {
    // What was printed before the failure goes out first.
    try {
      FlushOut();
    } catch (const WriteError& w) {
      return Failed(*c, w);
    }
    std::cerr << "zubkit " << c->name << ": " << e.what() << "\n";
    return 1;
  }
}

}  // namespace

int Run(int argc, char** argv) {
  const std::vector<std::string> argsIn(argv + 1, argv + argc);
  const int rc = Dispatch(argsIn);
  try {
    FlushOut();  // help and version texts, and anything a command left
  } catch (const WriteError& e) {
    if (e.BrokenPipe()) return 1;
    std::cerr << "zubkit" << (argsIn.empty() ? "" : " " + argsIn[0]) << ": " << e.what() << "\n";
    return 1;
  }
  return rc;
}

}  // namespace zubkit
