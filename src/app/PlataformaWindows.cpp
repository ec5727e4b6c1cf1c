#include "app/Plataforma.h"

#include <io.h>
#include <windows.h>

namespace {

bool SinManejador(DWORD nCual)
{
  const HANDLE hManejador = GetStdHandle(nCual);
  return hManejador == nullptr || hManejador == INVALID_HANDLE_VALUE;
}

HANDLE ManejadorDe(std::FILE* pDestino)
{
  return reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(pDestino)));
}

bool EsConsola(std::FILE* pDestino)
{
  DWORD nModo = 0;
  return GetConsoleMode(ManejadorDe(pDestino), &nModo);
}

}  // namespace

void PreparaConsola()
{
  const bool bSinSalida = SinManejador(STD_OUTPUT_HANDLE);
  const bool bSinError = SinManejador(STD_ERROR_HANDLE);
  if ((!bSinSalida && !bSinError) || !AttachConsole(ATTACH_PARENT_PROCESS))
    return;
  if (bSinSalida)
    std::freopen("CONOUT$", "w", stdout);
  if (bSinError)
    std::freopen("CONOUT$", "w", stderr);
}

bool EsTerminal(std::FILE* pDestino)
{
  const HANDLE hManejador = ManejadorDe(pDestino);
  DWORD nModo = 0;
  if (!GetConsoleMode(hManejador, &nModo))
    return false;
  // Consoles understand the erase-line sequence once asked to.
  return (nModo & ENABLE_VIRTUAL_TERMINAL_PROCESSING) ||
         SetConsoleMode(hManejador, nModo | ENABLE_VIRTUAL_TERMINAL_PROCESSING);
}

void EscribeTexto(std::FILE* pDestino, const QString& sTexto)
{
  std::fflush(pDestino);
  if (EsConsola(pDestino)) {
    // The console shows any letter when given UTF-16, whatever its code page.
    QString sLineas = sTexto;
    sLineas.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    DWORD nEscritos = 0;
    WriteConsoleW(ManejadorDe(pDestino), sLineas.utf16(), DWORD(sLineas.size()), &nEscritos, nullptr);
    return;
  }
  // Text mode turns each "\n" into CR LF.
  std::fputs(sTexto.toUtf8().constData(), pDestino);
  std::fflush(pDestino);
}

bool HayPantalla() { return true; }  // the desktop is always there
