// A machine made of the in-memory stand-ins, in place of the platform's own for one test, on
// every platform. SimulatedHardware is the part that the test machine cannot offer itself: a
// service manager (over the active registry), devices and system memory; SimulatedMachine adds
// its system facts, registry and message boxes.
#pragma once

#include "platform/message_box.h"
#include "platform/substitute/memory_registry.h"
#include "platform/substitute/registry_service_manager.h"
#include "platform/substitute/simulated_devices.h"
#include "platform/substitute/sparse_memory.h"
#include "platform/system_info.h"

namespace kelvd::test {

struct SimulatedHardware {
    platform::RegistryServiceManager services;
    platform::ScopedServiceManager scopedServices{services};
    platform::SimulatedDevices devices;
    platform::ScopedDeviceIo scopedDevices{devices};
    platform::SparseMemory memory;
    platform::ScopedSystemMemory scopedMemory{memory};
};

struct SimulatedMachine : SimulatedHardware {
    explicit SimulatedMachine(platform::SystemFacts facts = {}) : system(std::move(facts)) {}

    platform::FixedSystemInfo system;
    platform::ScopedSystemInfo scopedSystem{system};
    platform::MemoryRegistry registry;
    platform::ScopedRegistry scopedRegistry{registry};
    platform::RecordedMessageBoxes boxes;
    platform::ScopedMessageBoxes scopedBoxes{boxes};
};

} // namespace kelvd::test
