#pragma once

#include <filesystem>

#include <com/sun/star/uno/XComponentContext.hpp>

namespace quirevo::office {

// The UNO runtime on our side of the bridge: just enough of it (the office's type libraries and
// its bridge services) to talk to an office; disposed when the owner goes.
class LocalUno {
 public:
  // Writes the bootstrap file into folder and starts the runtime from the office in programDir.
  LocalUno(const std::filesystem::path& folder, const std::filesystem::path& programDir);
  ~LocalUno();
  LocalUno(const LocalUno&) = delete;
  LocalUno& operator=(const LocalUno&) = delete;

  const css::uno::Reference<css::uno::XComponentContext>& context() const { return context_; }

 private:
  css::uno::Reference<css::uno::XComponentContext> context_;
};

}  // namespace quirevo::office
