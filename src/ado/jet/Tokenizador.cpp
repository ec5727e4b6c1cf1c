#include "ado/jet/Tokenizador.h"

#include "ado/jet/ErrorJet.h"

namespace ado::jet {

namespace {

// Symbols of the dialect, longest first so "<=" wins over "<".
const char* const CC_SIMBOLOS[] = {"<>", "<=", ">=", "=", "<", ">", "+", "-", "*", "/", "\\",
                                   "^", "&", "(", ")", ",", ".", "!", ";"};

class TLector {
 public:
  explicit TLector(const QString& sSql) : F_sSql(sSql) {}

  std::vector<TToken> Lee() {
    std::vector<TToken> tokens;
    for (;;) {
      SaltaBlancos();
      TToken token;
      token.pos = F_pos;
      if (F_n >= F_sSql.size()) {
        tokens.push_back(token);
        return tokens;
      }
      const QChar c = F_sSql[F_n];
      if (c == u'\'' || c == u'"')
        LeeTexto(token, c);
      else if (c == u'[')
        LeeDelimitado(token, u']', TTipoToken::NombreCorchetes, QStringLiteral("Nombre entre corchetes sin cerrar"));
      else if (c == u'#')
        LeeDelimitado(token, u'#', TTipoToken::Fecha, QStringLiteral("Fecha sin cerrar"));
      else if (c.isDigit() || (c == u'.' && F_n + 1 < F_sSql.size() && F_sSql[F_n + 1].isDigit()))
        LeeNumero(token);
      else if (c.isLetter() || c == u'_')
        LeeIdentificador(token);
      else
        LeeSimbolo(token);
      tokens.push_back(token);
    }
  }

 private:
  void Avanza() {
    if (F_sSql[F_n] == u'\n') {
      ++F_pos.nLinea;
      F_pos.nColumna = 1;
    } else {
      ++F_pos.nColumna;
    }
    ++F_n;
  }

  void SaltaBlancos() {
    while (F_n < F_sSql.size() && F_sSql[F_n].isSpace()) Avanza();
  }

  // 'text' or "text": a doubled delimiter stands for itself.
  void LeeTexto(TToken& token, QChar cDelim) {
    token.tipo = TTipoToken::Texto;
    Avanza();
    for (;;) {
      if (F_n >= F_sSql.size()) LanzaError(QStringLiteral("Texto sin cerrar"), token.pos);
      if (F_sSql[F_n] == cDelim) {
        Avanza();
        if (F_n < F_sSql.size() && F_sSql[F_n] == cDelim) {
          token.sTexto += cDelim;
          Avanza();
          continue;
        }
        return;
      }
      token.sTexto += F_sSql[F_n];
      Avanza();
    }
  }

  void LeeDelimitado(TToken& token, QChar cFin, TTipoToken tipo, const QString& sError) {
    token.tipo = tipo;
    Avanza();
    while (F_n < F_sSql.size() && F_sSql[F_n] != cFin) {
      token.sTexto += F_sSql[F_n];
      Avanza();
    }
    if (F_n >= F_sSql.size()) LanzaError(sError, token.pos);
    Avanza();
  }

  void LeeNumero(TToken& token) {
    token.tipo = TTipoToken::Numero;
    while (F_n < F_sSql.size() && (F_sSql[F_n].isDigit() || F_sSql[F_n] == u'.')) Toma(token);
    if (F_n < F_sSql.size() && (F_sSql[F_n] == u'e' || F_sSql[F_n] == u'E')) {
      Toma(token);
      if (F_n < F_sSql.size() && (F_sSql[F_n] == u'+' || F_sSql[F_n] == u'-')) Toma(token);
      while (F_n < F_sSql.size() && F_sSql[F_n].isDigit()) Toma(token);
    }
    bool bOk = false;
    token.sTexto.toDouble(&bOk);
    if (!bOk) LanzaError(QStringLiteral("Número no válido '%1'").arg(token.sTexto), token.pos);
  }

  void LeeIdentificador(TToken& token) {
    token.tipo = TTipoToken::Identificador;
    while (F_n < F_sSql.size() && (F_sSql[F_n].isLetterOrNumber() || F_sSql[F_n] == u'_')) Toma(token);
  }

  void LeeSimbolo(TToken& token) {
    token.tipo = TTipoToken::Simbolo;
    for (const char* sSimbolo : CC_SIMBOLOS) {
      const QLatin1String s(sSimbolo);
      if (QStringView(F_sSql).mid(F_n).startsWith(s)) {
        for (int i = 0; i < s.size(); ++i) Toma(token);
        return;
      }
    }
    LanzaError(QStringLiteral("Carácter no válido '%1'").arg(F_sSql[F_n]), token.pos);
  }

  void Toma(TToken& token) {
    token.sTexto += F_sSql[F_n];
    Avanza();
  }

  const QString& F_sSql;
  qsizetype F_n = 0;
  TPosicion F_pos;
};

}  // namespace

std::vector<TToken> Tokeniza(const QString& sSql) { return TLector(sSql).Lee(); }

}  // namespace ado::jet
