// The transfer engine during a write, against the virtual radio, with the line and the clock
// taken from the fuzz input (see TransferFuzzHost).

#include "fuzz_check.h"
#include "transfer_fuzz_host.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    zr40::fuzz::FuzzInput input(data, size);
    zr40::fuzz::TransferFuzzHost(input, false).Run();
    return 0;
}
