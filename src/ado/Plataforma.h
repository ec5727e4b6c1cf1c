#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <string>

// What the engine does differently on each system; PlataformaPosix.cpp and
// PlataformaWindows.cpp implement it, and CMake compiles the one that fits.
namespace ado {

// What identifies a file's contents without reading them: volume, file number,
// size and modification time. Equal values mean the file was not changed.
struct THuellaArchivo {
  std::uint64_t nVolumen = 0;
  std::uint64_t nNumero = 0;
  std::int64_t nTamano = -1;
  std::int64_t nModificado = 0;  // in the system's finest unit
  bool operator==(const THuellaArchivo&) const = default;
};
THuellaArchivo HuellaArchivo(const QString& sRuta);

// UTF-8 of each byte of single-byte text in Windows code page nCodigo
// (1252 when the system does not know that code page).
std::array<std::string, 256> TablaCodigoPagina(int nCodigo);

// Has freed memory kept for the next allocation instead of handed back to the system at
// once: a run fills and drops temporary tables of hundreds of megabytes, and each page the
// system hands out again costs a fault. The session calls it once, before its first database.
void PreparaMemoria();
// Where the system allows it, has another core fault in the memory that this thread will
// take to load and query nBytesArchivos of databases, while this one reads. Called once, at
// the first large table.
void AdelantaMemoria(std::int64_t nBytesArchivos);

}  // namespace ado
