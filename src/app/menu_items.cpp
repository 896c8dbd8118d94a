// The command table of the main window.
#include "app/menu_items.h"

#include <algorithm>

namespace orv::app {

const std::vector<MenuItem>& menuItems() {
  static const std::vector<MenuItem> items = {
      {"dxIslemler", "Sabit Kıymet İşlemleri", "", "", {10}},
      {"dxKart", "Sabit Kıymet Kart İşlemleri", "dxIslemler", "F3", {10, 20}},
      {"dxAmortisman", "Amortisman Hesaplama ve Yeniden Değerlendirme", "dxIslemler", "F4",
       {10, 500}},
      {"dxSayim", "Sabit Kıymet Sayım İşlemleri", "dxIslemler", "F5", {10, 700}},
      {"dxMuhasebelesme", "Amortisman ve Değerleme İşlemlerinin Muhasebeleştirilmesi",
       "dxIslemler", "F6", {10, 750}},
      {"dxFirmaKarti", "Firma Kartları", "dxIslemler", "", {10, 800}},
      {"btfirmasecimi", "Firma  Değiştirme", "dxIslemler", "", {}},
      {"dxAmortismanYil", "Amortisman Hesaplama Aktif Yılı", "dxIslemler", "", {10, 60}},
      {"dxKapat", "Kapat", "dxIslemler", "", {}},
      {"dxListeDokum", "Liste ve Dökümler", "", "", {1000}},
      {"dxliste001", "Sabit Kıymetler Listesi", "dxListeDokum", "", {1000, 1010}},
      {"dxliste002", "Değerlemeli Amortisman Listesi", "dxListeDokum", "", {1000, 1030}},
      {"dxliste003", "Değerlemesiz Amortisman Listesi", "dxListeDokum", "", {1000, 1050}},
      {"dxliste004", "Sabit Kıymet Envanter Listesi", "dxListeDokum", "", {1000, 1070}},
      {"dxliste006", "Maliyet Üzerinden Amortisman Listesi", "dxListeDokum", "", {1000, 1090}},
      {"dxliste005", "Sabit Kıymet Çıkış (Satış) Listesi", "dxListeDokum", "", {1000, 1110}},
      {"dxdemirtansferlist", "Sabit Kıymet Transfer Listesi", "dxListeDokum", "", {}},
      {"sistem1", "Parametreler", "", "", {2000}},
      {"meParametreler", "Parametreler", "sistem1", "", {2000, 2010}},
      {"dxDoviz", "Doviz Bilgileri", "sistem1", "", {2000, 2020}},
      {"dxKodTanimi", "Kod Tanımları", "sistem1", "", {2000, 2030}},
      {"dxYeniTablo", "Yeniden Değerlerindirme Tablosu", "sistem1", "", {2000, 2040}},
      {"dxTanimliForm", "Tanımlı Form Tasarımı", "sistem1", "", {2000, 2050}},
      {"dxHizmet", "Hizmet", "", "", {3000}},
      {"dxhizmet01", "Hesap Makinası", "dxHizmet", "Alt+H", {3000, 3010}},
      {"dxhizmet02", "Takvim", "dxHizmet", "", {3000, 3020}},
      {"dxBarSubItem1", "Servis", "", "", {3500}},
      {"dxEkranAyar", "Ekran Ayarlarını İlk Değerlerine Çevirme", "dxBarSubItem1", "",
       {3500, 3510}},
      {"meDuzenle", "Yan Menü Ayaralarını Düzenleme", "dxBarSubItem1", "", {3500, 3520}},
      {"dxServis01", "Sabit Kıymet Sayım Bilgilerini Güncelleme", "dxBarSubItem1", "",
       {3500, 3530}},
      {"dxServis02", "Sabit Kıymet Amortisman Bilgilerini Güncelleme", "dxBarSubItem1", "",
       {3500, 3540}},
      {"dxServis03", "Dosya Detay Bağlantılarının Kontrolü", "dxBarSubItem1", "", {3500, 3550}},
      {"dxTarihOnay", "Tarih Onaylama", "dxBarSubItem1", "", {3500, 3560}},
      {"mnYtlCevrim", "YTL Çevrim İşlemi", "dxBarSubItem1", "", {}},
      {"dxservis08", "Ana Ekran Normal Gelsin", "dxBarSubItem1", "", {}},
      {"dxYardim", "Yardım", "", "", {}},
      {"dxyardimkul", "Yardım Kullanımı", "dxYardim", "", {}},
      {"dxicindekiler", "İçindekiler", "dxYardim", "", {}},
      {"dxkonutarama", "Konu Tarama", "dxYardim", "", {}},
      {"dxgoruntuluhelp", "Görüntülü Yardım Kılavuzu", "dxYardim", "", {}},
      {"dxprghakkinda", "Program Hakkında", "dxYardim", "", {}},
  };
  return items;
}

const MenuItem* findMenuItem(std::string_view name) {
  for (const MenuItem& m : menuItems())
    if (m.name == name) return &m;
  return nullptr;
}

std::vector<const MenuItem*> subMenus() { return itemsOf(""); }

std::vector<const MenuItem*> itemsOf(std::string_view menu) {
  std::vector<const MenuItem*> out;
  for (const MenuItem& m : menuItems())
    if (m.menu == menu) out.push_back(&m);
  return out;
}

std::vector<std::string> alsoUnder(std::string_view menu) {
  if (menu == "sistem1") return {"dxFirmaKarti", "btfirmasecimi"};
  return {};
}

bool itemAllowed(const MenuItem& item, const std::set<int>& rights) {
  return std::all_of(item.rights.begin(), item.rights.end(),
                     [&](int code) { return rights.count(code) > 0; });
}

const std::vector<std::string>& toolBar1() {
  static const std::vector<std::string> bar = {"meParametreler", "dxTanimliForm", "dxYeniTablo",
                                               "dxKodTanimi",    "|",             "dxhizmet01",
                                               "|",              "dxTarihOnay",   "dxEkranAyar"};
  return bar;
}

const std::vector<std::string>& toolBar2() {
  static const std::vector<std::string> bar = {
      "dxKapat", "dxFirmaKarti", "btfirmasecimi", "|",  "dxKart",      "dxAmortisman",
      "dxSayim", "|",            "dxAmortismanYil", "|", "dxListeDokum"};
  return bar;
}

const std::vector<SideBarGroup>& sideBarGroups() {
  static const std::vector<SideBarGroup> groups = {
      {"Sabit Kıymet İşlemleri",
       {{"Sabit Kıymet Kart İşlemleri", "dxKart"},
        {"Sabit Kıymet Amortisman ve Yeniden Değerleme İşlemleri", "dxAmortisman"},
        {"Sabit Kıymet Sayım İşlemleri", "dxSayim"},
        {"Firma Kartları", "dxFirmaKarti"},
        {"Firma Değiştirme", "btfirmasecimi"}}},
      {"Liste ve Dökümler",
       {{"Sabit Kıymetler Listesi", "dxliste001"},
        {"Değerlemeli Amortisman Listesi", "dxliste002"},
        {"Değerlemesiz Amortisman Listesi", "dxliste003"},
        {"Sabit Kıymet Amortisman Listesi", "dxliste004"},
        {"Maliyet Üzerinden Amortisman Listesi", "dxliste006"},
        {"Sabit Kıymet Satış Listesi", "dxliste005"}}},
      {"Parametreler Bölümü",
       {{"Parametreler", "meParametreler"},
        {"Döviz Bilgileri", "dxDoviz"},
        {"Kod Tanımları", "dxKodTanimi"},
        {"Yeniden Değerleme Tablosu Girişi", "dxYeniTablo"},
        {"Tanımlı Form Tasarımı", "dxTanimliForm"}}},
      {"Servis Bölümü",
       {{"Ekran Ayarlarını İlk Değerlerine Çevirme", "dxEkranAyar"},
        {"Yan Menü Ayarlarını Düzenleme", "meDuzenle"},
        {"Sabit Kıymetler Sayım Bilgilerini Güncelleme", "dxServis01"},
        {"Sabit Kıymetler Amortisman Bilgilerini Güncelleme", "dxServis02"},
        {"Dosya Detay Bağlantılarının Kontrolü", "dxServis03"},
        {"Tarih Onaylama", "dxTarihOnay"}}},
  };
  return groups;
}

}  // namespace orv::app
