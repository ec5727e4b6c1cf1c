#include "app/Plataforma.h"

#include <unistd.h>

void PreparaConsola() {}

bool EsTerminal(std::FILE* pDestino) { return isatty(fileno(pDestino)); }

void EscribeTexto(std::FILE* pDestino, const QString& sTexto)
{
  std::fputs(sTexto.toLocal8Bit().constData(), pDestino);
  std::fflush(pDestino);
}

bool HayPantalla()
{
  return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
         !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}
