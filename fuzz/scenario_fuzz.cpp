// Fuzz target for the scenario runner: the input is read as a script. It
// must end in the JSON report or in one error line, and never crash or hang.
#include <cstdint>
#include <sstream>
#include <string>

#include "fuzz_support.h"
#include "scenario.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using trimbol::fuzz::Fail;
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  std::ostringstream out, err;
  int status = -1;
  try {
    status = trimbol::RunScenario(in, out, err);
  } catch (const std::exception& error) {
    Fail(std::string("the script threw ") + typeid(error).name() + ": " + error.what());
  }
  const std::string report = out.str(), message = err.str();
  if (status == 0) {
    if (!message.empty()) Fail("a script that ran printed an error: " + message);
    if (!report.starts_with("{\"board\":[") || !report.ends_with("}\n") ||
        report.find('\n') != report.size() - 1) {
      Fail("the report is not one JSON line: " + report);
    }
  } else if (status == 2) {
    if (!report.empty()) Fail("a failed script printed a report");
    if (!message.starts_with("trimbol-scenario: line ")) Fail("the error does not say which line: " + message);
    // Bytes of the script that would not show are escaped, so the message
    // is one whole line.
    if (message.find('\n') != message.size() - 1 || message.find('\0') != std::string::npos) {
      Fail("the error is not one line of text: " + message);
    }
  } else {
    Fail("exit status " + std::to_string(status));
  }
  return 0;
}
