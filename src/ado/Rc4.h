#pragma once

namespace ado {

// RC4 applied in place (Jet masks its header block and, with a database key, its pages).
void Rc4(const unsigned char* pClave, int nClave, unsigned char* pDatos, int nLargo);

}  // namespace ado
