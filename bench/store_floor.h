// The floor of OK to the return: the stores' own writes, made plainly. Every value of the
// checker's key written again with the bytes it holds (the key opened once), and the hook-state
// file written line by line beside itself and moved over it. The values and lines are read
// beforehand, untimed, so the writes change nothing.
#pragma once

#include <string>
#include <vector>

namespace kelvd::floor {

class StoreFloor {
public:
    void Prepare();
    void MakeCalls() const;
    std::string Counts() const;

private:
    struct Value {
        std::string name;
        unsigned long type;
        std::vector<unsigned char> data;
    };
    std::vector<Value> values_;
    std::string hookStatePath_;
    std::vector<std::string> hookStateLines_;
};

} // namespace kelvd::floor
