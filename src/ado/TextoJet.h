#pragma once

#include <array>
#include <string>

namespace ado {

// Appends the UTF-8 of stored Jet text to sDestino.
// Jet 4: UCS-2LE, or the compressed form that starts FF FE.
void AgregaTextoJet4(const unsigned char* p, int nLargo, std::string& sDestino);
// Jet 3: one byte per character in the file's code page (UTF-8 per byte given).
void AgregaTextoJet3(const unsigned char* p, int nLargo, const std::array<std::string, 256>& Codigo,
                     std::string& sDestino);

}  // namespace ado
