#pragma once

#include <chrono>
#include <string>

namespace quirevo {

class PrinterList;

// How the Calc component starts and ends its office, and whom it asks about printers.
struct OfficeOptions {
  // The office program to start; empty for the installed office that the component is built with.
  std::string program;
  // The office must answer on its pipe within this time, or starting fails.
  std::chrono::milliseconds startTimeout{60'000};
  // After Quit, the office must end within this time, or it is killed.
  std::chrono::milliseconds quitTimeout{20'000};
  // Asked before each print whether the printer takes jobs; without it nothing is asked.
  PrinterList* printers = nullptr;
};

}  // namespace quirevo
