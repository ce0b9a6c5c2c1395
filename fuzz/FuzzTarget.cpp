// One libFuzzer target; TESSELO_FUZZ_ENTRY names the entry function it drives.
#include "FuzzEntries.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzzentry::InitOnce();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  return TESSELO_FUZZ_ENTRY(Data, Size);
}
