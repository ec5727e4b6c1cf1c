#pragma once

// A Boolean that remembers the first departure from its initial value.
class IBoolPersist {
 public:
  virtual ~IBoolPersist() = default;
  virtual void SetValorIni(bool bValor) = 0;
  virtual void SetValor(bool bValor) = 0;
  virtual bool GetValor() = 0;
};

class TBoolPersist : public IBoolPersist {
 public:
  explicit TBoolPersist(bool bValor) : F_ValorIni(bValor), F_Valor(bValor) {}

  void SetValorIni(bool bValor) override { F_ValorIni = F_Valor = bValor; }
  // A value equal to the initial one never undoes an earlier departure.
  void SetValor(bool bValor) override {
    if (bValor != F_ValorIni) F_Valor = bValor;
  }
  bool GetValor() override { return F_Valor; }

 private:
  bool F_ValorIni;
  bool F_Valor;
};
