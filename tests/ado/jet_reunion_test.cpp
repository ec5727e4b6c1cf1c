// Which joins the hash join takes, and which it leaves or hands back to SQLite.
#include "jet_base.h"

#include "ado/jet/Analizador.h"
#include "ado/jet/ReunionHash.h"

#include <gtest/gtest.h>

namespace {

using namespace ado::jet;

TEST(ReunionHash, TomaLasIgualdadesYDevuelveLoQueNoCompara) {
  TBaseJet base;
  base.Ejecuta(QStringLiteral(
      "CREATE TABLE u (Id INTEGER, Cosa TEXT COLLATE JET);"
      "INSERT INTO u VALUES (1, 'uno'), (3, 'tres'), (9, 'nueve');"
      "CREATE TABLE w (Id INTEGER, Clave TEXT COLLATE JET, Monto REAL, Num TEXT COLLATE JET);"
      "INSERT INTO w VALUES (1, 'USD', 2, '3'), (1, 'usd', 3, '1'), (3, 'eur', NULL, 'x'), (NULL, 'USD', 5, NULL);"));
  constexpr int CC_NO_LA_TOMA = -100;
  struct TCaso {
    const char* sJet;
    int nFilas;  // or CC_OTRO_PLAN, or CC_NO_LA_TOMA
  };
  const TCaso casos[] = {
      {"SELECT u.Cosa, w.Monto FROM u, w WHERE u.Id = w.Id", 3},
      {"SELECT Cosa, Monto FROM u, w AS x WHERE x.Id = u.Id AND x.Clave LIKE 'u%'", 2},
      {"SELECT Cosa, Monto FROM u, w AS x WHERE x.Id = u.Id AND Cosa <> 'tres'", CC_NO_LA_TOMA},  // a smaller table's filter
      {"SELECT u.Cosa FROM u, w WHERE u.Id = w.Num", CC_OTRO_PLAN},          // a number beside a text
      {"SELECT u.Cosa FROM u, w WHERE u.Id = w.Monto", CC_OTRO_PLAN},        // reals
      {"SELECT u.Cosa FROM u, w WHERE u.Id < w.Id", CC_NO_LA_TOMA},          // no equality
      {"SELECT u.Cosa FROM u, w WHERE u.Id = w.Id OR w.Id IS NULL", CC_NO_LA_TOMA},
      {"SELECT u.Cosa FROM u, w WHERE u.Id = 1", CC_NO_LA_TOMA},             // w joined to nothing
      {"SELECT u.Id * 2 FROM u, w WHERE u.Id = w.Id", CC_NO_LA_TOMA},        // a computed column
      {"SELECT u.Cosa FROM u, w WHERE u.Id = w.Id AND Len(w.Clave) > 1", CC_NO_LA_TOMA},  // a filter that may fail
      {"SELECT Id FROM u, w WHERE u.Id = w.Id", CC_NO_LA_TOMA},              // ambiguous
  };
  for (const auto& [sJet, nFilas] : casos) {
    const auto consulta = AnalizaJet(QString::fromUtf8(sJet));
    // w is the largest table
    const auto filas = ReunePorHash(*consulta, [](const QString&) { return TColumnasTipadas{}; }, base.Db(),
                                    [](const TFuente& f) { return qint64(f.sNombre == QLatin1String("w") ? 5 : 3); });
    ASSERT_EQ(filas != nullptr, nFilas != CC_NO_LA_TOMA) << sJet;
    if (!filas) continue;
    int nPaso, nLeidas = 0;
    while ((nPaso = filas->Paso()) == SQLITE_ROW) ++nLeidas;
    EXPECT_EQ(nPaso == CC_OTRO_PLAN ? CC_OTRO_PLAN : nLeidas, nFilas) << sJet;
  }
}

// Integer keys close together are found by place, spread ones by hashing: the same rows
// either way, keys repeated, missing between others, below and above all of them, and at
// the ends of the integers.
TEST(ReunionHash, ClavesJuntasODispersasDanLasMismasFilas) {
  TBaseJet base;
  base.Ejecuta(QStringLiteral(
      "CREATE TABLE d (Id INTEGER, Cosa TEXT COLLATE JET);"
      "INSERT INTO d VALUES (2, 'a'), (2, 'b'), (5, 'c'), (7, 'd');"
      "CREATE TABLE e (Id INTEGER, Cosa TEXT COLLATE JET);"
      "INSERT INTO e VALUES (-9223372036854775808, 'min'), (9223372036854775807, 'max'), (-5, 'neg'), (1000000, 'm');"
      "CREATE TABLE s (Id INTEGER);"
      "INSERT INTO s VALUES (1), (2), (3), (5), (6), (7), (8), (-5), (1000000), (9223372036854775807),"
      " (-9223372036854775808), (0);"));
  const std::pair<const char*, const char*> casos[] = {
      {"SELECT d.Cosa FROM d, s WHERE d.Id = s.Id", "a b c d"},
      {"SELECT e.Cosa FROM e, s WHERE e.Id = s.Id", "m max min neg"},
  };
  for (const auto& [sJet, sEsperadas] : casos) {
    const auto consulta = AnalizaJet(QString::fromUtf8(sJet));
    const auto filas = ReunePorHash(*consulta, [](const QString&) { return TColumnasTipadas{}; }, base.Db(),
                                    [](const TFuente& f) { return qint64(f.sNombre == QLatin1String("s") ? 12 : 4); });
    ASSERT_TRUE(filas) << sJet;
    QStringList cosas;
    while (filas->Paso() == SQLITE_ROW)
      cosas << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_value_text(filas->Valor(0))));
    cosas.sort();
    EXPECT_EQ(cosas.join(u' ').toStdString(), sEsperadas) << sJet;
  }
}

}  // namespace
