#include "runtime/core/runtime_error.h"

namespace vardelis::runtime {

const char* RuntimeError::description() const noexcept {
    switch (number_) {
    case ErrorNumber::InvalidProcedureCall:
        return "Argument ou appel de procédure incorrect";
    case ErrorNumber::Overflow:
        return "Dépassement de capacité";
    case ErrorNumber::OutOfMemory:
        return "Mémoire insuffisante";
    case ErrorNumber::DivisionByZero:
        return "Division par zéro";
    }
    return "Erreur définie par l'application ou par l'objet";
}

void raise_error(ErrorNumber number) {
    throw RuntimeError(number);
}

} // namespace vardelis::runtime
