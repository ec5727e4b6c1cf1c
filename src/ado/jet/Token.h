#pragma once

#include <QString>

namespace ado::jet {

// Where a token starts in the SQL text (1-based).
struct TPosicion {
  int nLinea = 1;
  int nColumna = 1;
};

enum class TTipoToken { Identificador, NombreCorchetes, Numero, Texto, Fecha, Simbolo, Fin };

struct TToken {
  TTipoToken tipo = TTipoToken::Fin;
  QString sTexto;  // without quotes, brackets or '#'; doubled quotes already undone
  TPosicion pos;

  // A bare word (never a [bracketed] name) equal to sPalabra ignoring case.
  bool EsPalabra(const char* sPalabra) const {
    return tipo == TTipoToken::Identificador && sTexto.compare(QLatin1String(sPalabra), Qt::CaseInsensitive) == 0;
  }
  bool EsSimbolo(const char* sSimbolo) const {
    return tipo == TTipoToken::Simbolo && sTexto == QLatin1String(sSimbolo);
  }
};

}  // namespace ado::jet
