-- The shipped empty database of one unit. Text columns compare case-insensitively in
-- Polish alphabetical order (collation PL, registered by the program on every connection).
-- Dates are stored as 'YYYY-MM-DD' text; 2999-01-01 closes an open-ended period.
-- Column order is part of the exchange files: osoba begins with pesel; in lista the 5th
-- column after id is miesiacrok and the 8th is nr.

CREATE TABLE dane (
  kod TEXT COLLATE PL,
  wartosc TEXT COLLATE PL
);

CREATE TABLE osoba (
  id INTEGER PRIMARY KEY AUTOINCREMENT,
  pesel VARCHAR(11) COLLATE PL,
  zp VARCHAR(1) COLLATE PL,
  akt VARCHAR(1) COLLATE PL,
  zaz VARCHAR(1) COLLATE PL,
  nazwisko TEXT COLLATE PL,
  imie TEXT COLLATE PL,
  imieojca TEXT COLLATE PL,
  plec VARCHAR(1) COLLATE PL,
  nrid VARCHAR(7) COLLATE PL,
  nridpkw TEXT COLLATE PL,
  skrotpkw TEXT COLLATE PL,
  skrotpododdzialu TEXT COLLATE PL,
  ste TEXT COLLATE PL,
  nis VARCHAR(17) COLLATE PL,
  stanowisko TEXT COLLATE PL,
  datanabycia DATE,
  datautraty DATE,
  rozkazprzybyl TEXT COLLATE PL,
  rozkazubyl TEXT COLLATE PL,
  datadopisania DATE,
  rachunek1 VARCHAR(32) COLLATE PL,
  orachunek1 VARCHAR(35) COLLATE PL,
  brachunek1 VARCHAR(35) COLLATE PL,
  bic1 VARCHAR(35) COLLATE PL,
  rachunek1czywaluta VARCHAR(1) COLLATE PL,
  rachunek2 VARCHAR(32) COLLATE PL,
  orachunek2 VARCHAR(35) COLLATE PL,
  brachunek2 VARCHAR(35) COLLATE PL,
  bic2 VARCHAR(35) COLLATE PL,
  rachunek2czywaluta VARCHAR(1) COLLATE PL,
  rachunek2kwota DOUBLE,
  zaliczka DOUBLE,
  podatekproc DOUBLE,
  zwnaleznlekarzproc INTEGER,
  exportzwsi VARCHAR(1) COLLATE PL,
  wydrukzwsi VARCHAR(1) COLLATE PL,
  adr_kraj TEXT COLLATE PL,
  adr_woj TEXT COLLATE PL,
  adr_powiat TEXT COLLATE PL,
  adr_gmina TEXT COLLATE PL,
  adr_poczta TEXT COLLATE PL,
  adr_kod TEXT COLLATE PL,
  adr_miejsc TEXT COLLATE PL,
  adr_ulica TEXT COLLATE PL,
  adr_nr_domu TEXT COLLATE PL,
  adr_nr_lok TEXT COLLATE PL,
  us_nazwa TEXT COLLATE PL,
  us_ulica TEXT COLLATE PL,
  us_kod TEXT COLLATE PL,
  us_kod_is TEXT COLLATE PL,
  us_nip VARCHAR(10) COLLATE PL
);

CREATE TABLE pododdzial (
  id INTEGER PRIMARY KEY AUTOINCREMENT,
  skrot TEXT COLLATE PL,
  nazwa TEXT COLLATE PL
);

CREATE TABLE ste (
  id INTEGER PRIMARY KEY AUTOINCREMENT,
  skrot TEXT COLLATE PL,
  nazwa TEXT COLLATE PL,
  mnoznik DOUBLE
);

CREATE TABLE bank (
  prefiks VARCHAR(8) COLLATE PL,
  nazwa TEXT COLLATE PL
);

CREATE TABLE urzedy_skarbowe (
  nazwa TEXT COLLATE PL,
  ulica TEXT COLLATE PL,
  kod TEXT COLLATE PL,
  kod_is TEXT COLLATE PL
);

CREATE TABLE kody_pocztowe (
  kod TEXT COLLATE PL,
  poczta TEXT COLLATE PL,
  gmina TEXT COLLATE PL,
  powiat TEXT COLLATE PL,
  woj TEXT COLLATE PL
);

CREATE TABLE dni_wolne (
  pesel VARCHAR(11) COLLATE PL,
  typ VARCHAR(1) COLLATE PL,
  od DATE,
  do DATE,
  rozkaz TEXT COLLATE PL
);

CREATE TABLE lista (
  id INTEGER PRIMARY KEY AUTOINCREMENT,
  zp VARCHAR(1) COLLATE PL,
  typ VARCHAR(1) COLLATE PL,
  rodzaj VARCHAR(2) COLLATE PL,
  status VARCHAR(1) COLLATE PL,
  miesiacrok VARCHAR(7) COLLATE PL,
  zaz VARCHAR(1) COLLATE PL,
  datawykonania DATE,
  nr TEXT COLLATE PL,
  nridpkw TEXT COLLATE PL,
  skrotpkw TEXT COLLATE PL,
  nazwa1 TEXT COLLATE PL,
  nazwa2 TEXT COLLATE PL,
  dowodca1 TEXT COLLATE PL,
  dowodca2 TEXT COLLATE PL,
  dowodca3 TEXT COLLATE PL,
  zgodnoscetatowa TEXT COLLATE PL,
  wykonal TEXT COLLATE PL,
  finansista TEXT COLLATE PL,
  skrotpododdzial TEXT COLLATE PL,
  pododdzial TEXT COLLATE PL,
  uposazenie DOUBLE,
  zwnaleznmon DOUBLE,
  czy_dod_wojenny VARCHAR(1) COLLATE PL,
  dodatekwojenny DOUBLE,
  dodatekwojenny2 DOUBLE,
  dodatekwojenny3 DOUBLE,
  rozm DOUBLE,
  srhigienym DOUBLE,
  srhigienyk DOUBLE,
  osobnosrhigieny VARCHAR(1) COLLATE PL,
  czy_podatek VARCHAR(1) COLLATE PL,
  podatekproc DOUBLE,
  podatek_kurs DOUBLE,
  podatek_kurs_tabela TEXT COLLATE PL,
  podatek_dieta DOUBLE,
  walutazaliczki TEXT COLLATE PL,
  kurszaliczki DOUBLE,
  tabelazaliczki TEXT COLLATE PL,
  walutarach TEXT COLLATE PL,
  kursrach DOUBLE,
  razem DOUBLE,
  zaliczka DOUBLE,
  zaliczkawaluta DOUBLE,
  rachunek DOUBLE,
  skladkizus DOUBLE,
  innezmniejszenia DOUBLE,
  iloscpozycji INTEGER
);

CREATE TABLE pozycja (
  id INTEGER PRIMARY KEY AUTOINCREMENT,
  idlisty INTEGER,
  lp INTEGER,
  zaz VARCHAR(1) COLLATE PL,
  wyr VARCHAR(1) COLLATE PL,
  pesel VARCHAR(11) COLLATE PL,
  nazwisko TEXT COLLATE PL,
  imie TEXT COLLATE PL,
  imieojca TEXT COLLATE PL,
  nis TEXT COLLATE PL,
  ste TEXT COLLATE PL,
  stanowisko TEXT COLLATE PL,
  rozkazprzybyl TEXT COLLATE PL,
  rozkazubyl TEXT COLLATE PL,
  skrotpododdzial TEXT COLLATE PL,
  datanabycia DATE,
  datautraty DATE,
  mnoznik DOUBLE,
  zwnaleznlekarzproc INTEGER,
  zwnaleznpkwproc DOUBLE,
  kddw VARCHAR(1) COLLATE PL,
  dni_wolne_u INTEGER,
  dni_wolne_w INTEGER,
  dni_wolne_p INTEGER,
  iloscdni INTEGER,
  iloscdnizwmon INTEGER,
  iloscdniwojna INTEGER,
  iloscdniwojna2 INTEGER,
  iloscdniwojna3 INTEGER,
  iloscdnirozm INTEGER,
  naleznosc DOUBLE,
  zwnaleznlekarz DOUBLE,
  zwnaleznmon DOUBLE,
  zwnaleznpkw DOUBLE,
  dodatekwojenny DOUBLE,
  dodatekwojenny2 DOUBLE,
  dodatekwojenny3 DOUBLE,
  rozm DOUBLE,
  zmniejszenie_urlop DOUBLE,
  razem DOUBLE,
  dowyplaty DOUBLE,
  wyrownanie DOUBLE,
  innezmniejszenia DOUBLE,
  innezwiekszenia DOUBLE,
  skladkizus DOUBLE,
  srhigieny DOUBLE,
  czyzmianasrhigieny VARCHAR(1) COLLATE PL,
  podatekproc DOUBLE,
  koszty DOUBLE,
  wolna DOUBLE,
  podatek_kwota_zwolniona DOUBLE,
  podatek_podstawa_opodatkowania DOUBLE,
  podatek_zaliczka DOUBLE,
  zaliczkawaluta DOUBLE,
  zaliczkapln DOUBLE,
  rachunek DOUBLE,
  rachunek1 DOUBLE,
  rachunek1bz DOUBLE,
  rachunek2 DOUBLE,
  nrachunek1 VARCHAR(32) COLLATE PL,
  orachunek1 VARCHAR(35) COLLATE PL,
  brachunek1 VARCHAR(35) COLLATE PL,
  bic1 VARCHAR(35) COLLATE PL,
  rachunek1czywaluta VARCHAR(1) COLLATE PL,
  nrachunek2 VARCHAR(32) COLLATE PL,
  orachunek2 VARCHAR(35) COLLATE PL,
  brachunek2 VARCHAR(35) COLLATE PL,
  bic2 VARCHAR(35) COLLATE PL,
  rachunek2czywaluta VARCHAR(1) COLLATE PL,
  niepobranewkasie VARCHAR(1) COLLATE PL,
  uwagi TEXT COLLATE PL,
  podstawapod DOUBLE,
  zaliczkaus DOUBLE,
  nfz1 DOUBLE,
  nfz2 DOUBLE
);

CREATE TABLE pit_11 (
  id INTEGER PRIMARY KEY AUTOINCREMENT,
  rok TEXT COLLATE PL,
  nip TEXT COLLATE PL,
  platnik TEXT COLLATE PL,
  regon TEXT COLLATE PL,
  op_imie TEXT COLLATE PL,
  op_nazwisko TEXT COLLATE PL,
  os_pesel TEXT COLLATE PL,
  os_nip TEXT COLLATE PL,
  os_nazwisko TEXT COLLATE PL,
  os_imie TEXT COLLATE PL,
  os_data_ur TEXT COLLATE PL,
  os_kraj TEXT COLLATE PL,
  os_woj TEXT COLLATE PL,
  os_powiat TEXT COLLATE PL,
  os_gmina TEXT COLLATE PL,
  os_ulica TEXT COLLATE PL,
  os_nr_domu TEXT COLLATE PL,
  os_nr_lok TEXT COLLATE PL,
  os_miejsc TEXT COLLATE PL,
  os_kod TEXT COLLATE PL,
  os_poczta TEXT COLLATE PL,
  us_nazwa TEXT COLLATE PL,
  us_ulica TEXT COLLATE PL,
  us_kod TEXT COLLATE PL,
  us_kod_is TEXT COLLATE PL,
  us_nip TEXT COLLATE PL,
  koszty TEXT COLLATE PL,
  kw_przychod DOUBLE,
  kw_koszty DOUBLE,
  kw_dochod DOUBLE,
  kw_dochod_zw DOUBLE,
  kw_podatek DOUBLE,
  KOREKTA VARCHAR(1) COLLATE PL,
  WYJASNIENIE VARCHAR(1) COLLATE PL,
  WYJASNIENIE_TEXT TEXT COLLATE PL
);

-- Look-ups by key; the program relies on none of them for correctness, only for speed.
CREATE INDEX dane_kod ON dane (kod);
CREATE INDEX osoba_pesel ON osoba (pesel);
CREATE INDEX dni_wolne_pesel ON dni_wolne (pesel);
CREATE INDEX pozycja_idlisty ON pozycja (idlisty);
CREATE INDEX pozycja_pesel ON pozycja (pesel);
CREATE INDEX kody_pocztowe_kod ON kody_pocztowe (kod);
CREATE INDEX bank_prefiks ON bank (prefiks);

INSERT INTO dane (kod, wartosc) VALUES ('DANE', 'N');
