#include "mdbgen/LectorJson.h"

#include <cstring>

#include "mdbgen/EscritorMdb.h"

namespace mdbgen {
namespace {
bool EsDigito(char c) { return c >= '0' && c <= '9'; }
int ValorHex(char c) {
  if (EsDigito(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}
}  // namespace

void TLectorJson::Error(const QString& sDetalle) const {
  const qsizetype nHasta = std::min(F_n, F_texto.size());
  const qsizetype nLinea = F_texto.left(nHasta).count('\n') + 1;
  const qsizetype nInicioLinea = nHasta > 0 ? F_texto.lastIndexOf('\n', nHasta - 1) + 1 : 0;
  const qsizetype nColumna = QString::fromUtf8(F_texto.mid(nInicioLinea, nHasta - nInicioLinea)).size() + 1;
  throw EErrorMdb(QStringLiteral("JSON no válido (línea %1, columna %2): %3")
                      .arg(nLinea)
                      .arg(nColumna)
                      .arg(sDetalle)
                      .toStdString());
}

char TLectorJson::Mira() {
  const qsizetype nTotal = F_texto.size();
  const char* p = F_texto.constData();
  while (F_n < nTotal && (p[F_n] == ' ' || p[F_n] == '\n' || p[F_n] == '\r' || p[F_n] == '\t')) ++F_n;
  return F_n < nTotal ? p[F_n] : '\0';
}

bool TLectorJson::Toma(char c) {
  if (Mira() != c) return false;
  ++F_n;
  return true;
}

void TLectorJson::Espera(char c) {
  if (!Toma(c)) Error(QStringLiteral("se esperaba '%1'").arg(QLatin1Char(c)));
}

QString TLectorJson::Cadena() {
  Espera('"');
  const char* p = F_texto.constData();
  const qsizetype nTotal = F_texto.size();
  const qsizetype nInicio = F_n;
  while (F_n < nTotal && p[F_n] != '"' && p[F_n] != '\\' && uchar(p[F_n]) >= 0x20) ++F_n;
  if (F_n < nTotal && p[F_n] == '"') {  // the common case: no escapes
    return QString::fromUtf8(p + nInicio, F_n++ - nInicio);
  }
  QByteArray utf8(p + nInicio, F_n - nInicio);
  QString s;
  while (true) {
    if (F_n >= nTotal) Error(QStringLiteral("texto sin cerrar"));
    const char c = p[F_n];
    if (c == '"') {
      ++F_n;
      break;
    }
    if (uchar(c) < 0x20) Error(QStringLiteral("carácter de control dentro de un texto"));
    if (c != '\\') {
      utf8 += c;
      ++F_n;
      continue;
    }
    s += QString::fromUtf8(utf8);
    utf8.clear();
    if (++F_n >= nTotal) Error(QStringLiteral("texto sin cerrar"));
    const char e = p[F_n++];
    switch (e) {
      case '"':
      case '\\':
      case '/':
        s += QLatin1Char(e);
        break;
      case 'b':
        s += QLatin1Char('\b');
        break;
      case 'f':
        s += QLatin1Char('\f');
        break;
      case 'n':
        s += QLatin1Char('\n');
        break;
      case 'r':
        s += QLatin1Char('\r');
        break;
      case 't':
        s += QLatin1Char('\t');
        break;
      case 'u': {
        int n = 0;
        for (int k = 0; k < 4; ++k) {
          const int h = F_n < nTotal ? ValorHex(p[F_n]) : -1;
          if (h < 0) Error(QStringLiteral("secuencia \\u incompleta"));
          n = n * 16 + h;
          ++F_n;
        }
        s += QChar(char16_t(n));
        break;
      }
      default:
        --F_n;
        Error(QStringLiteral("secuencia de escape desconocida"));
    }
  }
  return s + QString::fromUtf8(utf8);
}

QByteArrayView TLectorJson::Numero() {
  Mira();
  const char* p = F_texto.constData();
  const qsizetype nTotal = F_texto.size();
  const qsizetype nInicio = F_n;
  auto digitos = [&] {
    const qsizetype n = F_n;
    while (F_n < nTotal && EsDigito(p[F_n])) ++F_n;
    return F_n > n;
  };
  if (F_n < nTotal && p[F_n] == '-') ++F_n;
  if (F_n < nTotal && p[F_n] == '0') {
    ++F_n;
  } else if (!digitos()) {
    F_n = nInicio;
    Error(QStringLiteral("valor no reconocido"));
  }
  if (F_n < nTotal && p[F_n] == '.') {
    ++F_n;
    if (!digitos()) Error(QStringLiteral("número mal escrito"));
  }
  if (F_n < nTotal && (p[F_n] == 'e' || p[F_n] == 'E')) {
    ++F_n;
    if (F_n < nTotal && (p[F_n] == '+' || p[F_n] == '-')) ++F_n;
    if (!digitos()) Error(QStringLiteral("número mal escrito"));
  }
  return QByteArrayView(p + nInicio, F_n - nInicio);
}

bool TLectorJson::Literal(const char* sLiteral) {
  const qsizetype n = qsizetype(std::strlen(sLiteral));
  Mira();
  if (F_texto.size() - F_n < n || std::memcmp(F_texto.constData() + F_n, sLiteral, size_t(n)) != 0) return false;
  F_n += n;
  return true;
}

void TLectorJson::Salta() {
  switch (Mira()) {
    case '{':
      Objeto([this](const QString&) { Salta(); });
      return;
    case '[':
      Arreglo([this] { Salta(); });
      return;
    case '"':
      SaltaCadena();
      return;
    default:
      if (!Literal("true") && !Literal("false") && !Literal("null")) Numero();
  }
}

void TLectorJson::SaltaCadena() {
  const char* p = F_texto.constData();
  const qsizetype nTotal = F_texto.size();
  const qsizetype nInicio = F_n++;
  while (F_n < nTotal && p[F_n] != '"') F_n += p[F_n] == '\\' ? 2 : 1;
  if (F_n >= nTotal) {
    F_n = nInicio;
    Error(QStringLiteral("texto sin cerrar"));
  }
  ++F_n;
}

void TLectorJson::Fin() {
  if (Mira() != '\0') Error(QStringLiteral("sobra texto después del documento"));
}

}  // namespace mdbgen
