#include "cpuid/cpu_features.hpp"

namespace zub {

namespace {
constexpr std::array<std::u16string_view, 32> kCPUFeatureNames = {
    u"Floating Point Unit",
    u"V86 Mode Extensions",
    u"Debug Extensions - I/O breakpoints supported",
    u"Page Size Extensions (4 MB pages supported)",
    u"Time Stamp Counter and RDTSC instruction are available",
    u"Model Specific Registers",
    u"Physical Address Extensions (36-bit address, 2MB pages)",
    u"Machine Check Exception supported",
    u"Compare Exchange Eight Byte instruction available",
    u"Local APIC present (multiprocessor operation support)",
    u"Fast system calls (AMD only)",
    u"Fast system calls",
    u"Memory Type Range Registers",
    u"Page Global Enable",
    u"Machine Check Architecture",
    u"Conditional MOVe instructions",
    u"Page Attribute Table",
    u"36 bit Page Size Extensions",
    u"Processor Serial Number",
    u"Cache Flush",
    u"reserved",
    u"Debug Trace Store",
    u"ACPI support",
    u"MultiMedia Extensions",
    u"FXSAVE and FXRSTOR instructions",
    u"SSE instructions",
    u"SSE2 (WNI) instructions",
    u"self snoop",
    u"reserved",
    u"Automatic clock control",
    u"IA64 instructions",
    u"3DNow! instructions available",
};
}  // namespace

std::array<std::u16string_view, 32> CPUFeatureNames = kCPUFeatureNames;

void ReleaseCPUFeatureNames() {
  CPUFeatureNames.fill(std::u16string_view());
}
void FillCPUFeatureNames() {
  CPUFeatureNames = kCPUFeatureNames;
}

}  // namespace zub
