#pragma once

// A stand-in for the operating system under the loader's core: regions come
// from the heap, modules and procedures from tables, and entry-point calls are
// recorded instead of run.

#include <cstdint>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "hosting/pe_module.h"

namespace hosting {

class TableSystem : public ModuleSystem {
 public:
  explicit TableSystem(uint16_t kind) : machine(kind) {}

  uint16_t Machine() const override { return machine; }

  uint8_t* ReserveRegion(uint64_t address, uint32_t size) override {
    reserveCalls.emplace_back(address, size);
    // A region can't be placed at a chosen address here: the preferred base
    // always counts as taken.
    if (address != 0 || size > kLargest) return nullptr;
    auto block = std::make_unique<uint8_t[]>(size);
    std::memset(block.get(), 0, size);
    uint8_t* base = block.get();
    regions[base] = std::move(block);
    return base;
  }

  bool ReleaseRegion(uint8_t* base) override {
    ++releaseCalls;
    return regions.erase(base) == 1;
  }

  uint64_t ResolveImport(const char* module, const char* key) override {
    resolverCalls.push_back(std::string(module) + "!" + key);
    auto it = resolved.find(key);
    return it == resolved.end() ? 0 : it->second;
  }

  void* LoadModule(const char* name) override {
    loadedModules.push_back(name);
    return this;
  }

  uint64_t FindProcedure(void*, const char* name) override {
    procedureCalls.push_back(name);
    auto it = procedures.find(name);
    return it == procedures.end() ? 0 : it->second;
  }

  uint64_t FindProcedureByOrdinal(void*, uint16_t ordinal) override {
    procedureCalls.push_back("#" + std::to_string(ordinal));
    auto it = procedures.find("#" + std::to_string(ordinal));
    return it == procedures.end() ? 0 : it->second;
  }

  int32_t CallEntryPoint(uint64_t entry, uint32_t reason) override {
    entryCalls.emplace_back(entry, reason);
    return reason == 1 ? attachResult : 1;
  }

  // Every import of the sample images answered.
  void AnswerAll() {
    procedures = {
        {"RecordEntry", 0x11110000}, {"#7", 0x22220000}, {"GetCurrentThreadId", 0x33330000}};
  }

  static constexpr uint32_t kLargest = 64u << 20;
  uint16_t machine;
  std::map<uint8_t*, std::unique_ptr<uint8_t[]>> regions;
  std::vector<std::pair<uint64_t, uint32_t>> reserveCalls;
  int releaseCalls = 0;
  std::map<std::string, uint64_t> resolved;
  std::map<std::string, uint64_t> procedures;
  std::vector<std::string> resolverCalls;
  std::vector<std::string> procedureCalls;
  std::vector<std::string> loadedModules;
  std::vector<std::pair<uint64_t, uint32_t>> entryCalls;
  int32_t attachResult = 1;
};

}  // namespace hosting
