#include "logic/logic.h"

#include <iostream>

int main() {
    std::cout << vardelis::compute_key({"1", "00", "01", "01", "000", "000"}, ".") << '\n';
}
