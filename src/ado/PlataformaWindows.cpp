#include "ado/Plataforma.h"

#include <windows.h>

namespace ado {

THuellaArchivo HuellaArchivo(const QString& sRuta) {
  THuellaArchivo Huella;
  // Opened for nothing but its attributes, so the file is never locked.
  const HANDLE hArchivo = CreateFileW(reinterpret_cast<LPCWSTR>(sRuta.utf16()), 0,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (hArchivo == INVALID_HANDLE_VALUE) return Huella;
  BY_HANDLE_FILE_INFORMATION Info{};
  if (GetFileInformationByHandle(hArchivo, &Info)) {
    Huella.nVolumen = Info.dwVolumeSerialNumber;
    Huella.nNumero = (std::uint64_t(Info.nFileIndexHigh) << 32) | Info.nFileIndexLow;
    Huella.nTamano = std::int64_t((std::uint64_t(Info.nFileSizeHigh) << 32) | Info.nFileSizeLow);
    Huella.nModificado = std::int64_t((std::uint64_t(Info.ftLastWriteTime.dwHighDateTime) << 32) |
                                      Info.ftLastWriteTime.dwLowDateTime);
  }
  CloseHandle(hArchivo);
  return Huella;
}

// Qt without ICU knows no Windows code page but the system's own: the system decodes.
std::array<std::string, 256> TablaCodigoPagina(int nCodigo) {
  const UINT nPagina = IsValidCodePage(UINT(nCodigo)) ? UINT(nCodigo) : 1252;
  std::array<std::string, 256> Tabla;
  for (int n = 0; n < 256; ++n) {
    const char c = char(n);
    wchar_t Ancho[2] = {};
    const int nAncho = MultiByteToWideChar(nPagina, 0, &c, 1, Ancho, 2);
    Tabla[n] = QString::fromWCharArray(Ancho, nAncho > 0 ? nAncho : 0).toStdString();
  }
  return Tabla;
}

// Windows' heap keeps freed blocks for reuse by itself.
void PreparaMemoria() {}

void AdelantaMemoria(std::int64_t) {}

}  // namespace ado
