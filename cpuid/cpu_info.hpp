// What the processor says of itself through CPUID: whether it has the instruction, its vendor
// and brand names, the signature and its fields, the feature bit sets and the serial-number
// text; and the historic division-flaw check and the number of processors the program may use.
//
// Every leaf a routine needs comes through one query that first checks the instruction and
// the leaf's range. Without CPUID (processors before it, or a build for a
// processor other than x86) such routines raise EZUBCpuIdError "Cannot acquire CPU information
// (CPUID not supported)"; a leaf beyond both the basic and the extended range raises
// EZUBCpuIdError "CPUID: execution level not supported" (so CPU_MarketName and
// CPU_ExtendedFeatureSet raise on processors without the extended leaves). CPU_IDSupport,
// CPU_Count and CPU_FDIVBugPresent ask for no leaf. The answers are those of the processor the
// calling thread runs on at that moment.
//
// Choices of this implementation where the behaviour is otherwise open:
// - The vendor text ends at the first zero byte of the twelve, so a processor that leaves the
//   vendor blank or cut short gives "Unknown".
// - Register bytes become characters through the library's 8-bit code page (Windows-1252).
#pragma once

#include <cstdint>

#include "host/unicode.hpp"

namespace zub {

// True when the processor has the CPUID instruction (bit 21 of the flags register can be
// toggled). Always true on x86-64; false on processors other than x86.
bool CPU_IDSupport();

// The number of processors the program may run on: those of the calling thread's affinity
// mask, as `nproc` counts them (at least 1).
int32_t CPU_Count();

// The vendor identification of leaf 0: the bytes of EBX, EDX and ECX, each register lowest
// byte first ("GenuineIntel", "AuthenticAMD"); "Unknown" when fewer than 12 characters come
// before a zero byte.
UnicodeString CPU_VendorString();

// The brand string of leaves $80000002 to $80000004 (48 bytes of EAX, EBX, ECX, EDX each,
// lowest byte first) without the leading and trailing characters of codes up to 32 (blanks and
// the zero bytes that pad it); "unknown" when a character below 32 remains inside.
UnicodeString CPU_MarketName();

// EAX of leaf 1.
uint32_t CPU_Signature();
// EDX of leaf 1; its bits are numbered by TCPUFeatures.
uint32_t CPU_FeatureSet();
// EDX of leaf $80000001.
uint32_t CPU_ExtendedFeatureSet();
// The low byte of EBX of leaf 1 (0 where the processor has no brand index).
int32_t CPU_BrandID();

// Fields of the signature (0 for a signature of 0). The family and model are the base
// fields; where the base family is 15 the full family is CPU_Family + CPU_ExFamily, and where
// it is 6 or 15 the full model is CPU_Model + (CPU_ExModel << 4).
int32_t CPU_Type();      // bits 12 to 13: 0 original OEM, 1 OverDrive, 2 dual processor
bool CPU_OverDrive();    // CPU_Type() is 1
int32_t CPU_Family();    // bits 8 to 11
int32_t CPU_ExFamily();  // bits 20 to 27
int32_t CPU_Model();     // bits 4 to 7
int32_t CPU_ExModel();   // bits 16 to 19
int32_t CPU_Stepping();  // bits 0 to 3

// EAX, EDX and ECX of leaf 1, each as 8 upper-case hexadecimal digits: 24 digits, the
// signature first.
UnicodeString CPU_SerialNumber();

// True when the floating-point unit divides wrongly as the flawed early Pentiums did:
// 4195835 / 3145727 * 3145727 - 4195835 computed at run time (in extended precision) is not 0.
bool CPU_FDIVBugPresent();

}  // namespace zub
