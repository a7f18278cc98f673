// The country tables. Flags are simplified to what 14 × 12 pixels can show.

#include "online/Countries.h"

#include <array>

namespace zendral::online {
namespace {

// Colour letters: R red, W white, B blue, L light blue, G green, Y yellow, K black,
// O orange, M maroon, N navy.
constexpr Country kUnknown{"Unknown", "Неизвестная", "Unknown", "h:W+dK"};

constexpr std::array kEurope{
    kUnknown,
    Country{"Russia", "Россия", "Russia", "h:WBR"},
    Country{"Albania", "Албания", "Albania", "h:R+dK"},
    Country{"Andorra", "Андорра", "Andorra", "v:BYR"},
    Country{"Austria", "Австрия", "Austria", "h:RWR"},
    Country{"Belarus", "Беларусь", "Belarus", "h:RRG"},
    Country{"Belgium", "Бельгия", "Belgium", "v:KYR"},
    Country{"Bosnia & Herzegovina", "Босния и Герцеговина", "Bosnia_Herz.", "h:B+tY"},
    Country{"Bulgaria", "Болгария", "Bulgaria", "h:WGR"},
    Country{"Croatia", "Хорватия", "Croatia", "h:RWB+dR"},
    Country{"Czech Republic", "Чехия", "Czech_Republic", "h:WR+tB"},
    Country{"Denmark", "Дания", "Denmark", "h:R+xW"},
    Country{"Estonia", "Эстония", "Estonia", "h:LKW"},
    Country{"Faroe Islands", "Фарерские острова", "Faroe_Islands", "h:W+xB+yR"},
    Country{"Finland", "Финляндия", "Finland", "h:W+xB"},
    Country{"France", "Франция", "France", "v:BWR"},
    Country{"Germany", "Германия", "Germany", "h:KRY"},
    Country{"Gibraltar", "Гибралтар", "Gibraltar", "h:WWR+kR"},
    Country{"Greece", "Греция", "Greece", "h:LWLWL+cL"},
    Country{"Guernsey", "Гернси", "Guernsey", "h:W+pR+qY"},
    Country{"Hungary", "Венгрия", "Hungary", "h:RWG"},
    Country{"Iceland", "Исландия", "Iceland", "h:B+xR"},
    Country{"Ireland", "Ирландия", "Ireland", "v:GWO"},
    Country{"Isle of Man", "Остров Мэн", "Isle_of_Man", "h:R+dW"},
    Country{"Italy", "Италия", "Italy", "v:GWR"},
    Country{"Jersey", "Джерси", "Jersey", "h:W+dR"},
    Country{"Latvia", "Латвия", "Latvia", "h:MMWMM"},
    Country{"Liechtenstein", "Лихтенштейн", "Liechtenstein", "h:BR+cY"},
    Country{"Lithuania", "Литва", "Lithuania", "h:YGR"},
    Country{"Luxembourg", "Люксембург", "Luxembourg", "h:RWL"},
    Country{"Macedonia", "Македония", "Macedonia", "h:R+dY"},
    Country{"Malta", "Мальта", "Malta", "v:WR+cW"},
    Country{"Moldova", "Молдавия", "Moldova", "v:BYR+dO"},
    Country{"Monaco", "Монако", "Monaco", "h:RW"},
    Country{"Netherlands", "Нидерланды", "Netherlands", "h:RWB"},
    Country{"Norway", "Норвегия", "Norway", "h:R+xB"},
    Country{"Poland", "Польша", "Poland", "h:WR"},
    Country{"Portugal", "Португалия", "Portugal", "v:GRR+dY"},
    Country{"Romania", "Румыния", "Romania", "v:BYR"},
    Country{"San Marino", "Сан-Марино", "San_Marino", "h:WL+dY"},
    Country{"Serbia-Montenegro", "Сербия и Черногория", "Serbia-Mont.", "h:BWR"},
    Country{"Slovakia", "Словакия", "Slovakia", "h:WBR+dR"},
    Country{"Slovenia", "Словения", "Slovenia", "h:WBR+cB"},
    Country{"Spain", "Испания", "Spain", "h:RYYR"},
    Country{"Sweden", "Швеция", "Sweden", "h:B+xY"},
    Country{"Switzerland", "Швейцария", "Switzerland", "h:R+pW"},
    Country{"Ukraine", "Украина", "Ukraine", "h:BY"},
    Country{"Vatican City", "Ватикан", "Vatican_City", "v:YW"},
    Country{"United Kingdom", "Великобритания", "United_Kingdom", "h:N+pR"},
};

constexpr std::array kAsia{
    kUnknown,
    Country{"Afghanistan", "Афганистан", "Afghanistan", "v:KRG"},
    Country{"Armenia", "Армения", "Armenia", "h:RBO"},
    Country{"Azerbaijan", "Азербайджан", "Azerbaijan", "h:LRG"},
    Country{"Bahrain", "Бахрейн", "Bahrain", "v:WRRR"},
    Country{"Bangladesh", "Бангладеш", "Bangladesh", "h:G+dR"},
    Country{"Bhutan", "Бутан", "Bhutan", "h:YO+dW"},
    Country{"British Indian Ocean Territory", "Британская территория в Индийском океане",
            "B.I.O.T.", "h:WBWBWB+cN"},
    Country{"Brunei", "Бруней", "Brunei", "h:YWKY"},
    Country{"Cambodia", "Камбоджа", "Cambodia", "h:BRRB+dW"},
    Country{"China", "Китай", "China", "h:R+sY"},
    Country{"Cyprus", "Кипр", "Cyprus", "h:W+dO"},
    Country{"East Timor", "Восточный Тимор", "East_Timor", "h:R+tK"},
    Country{"Georgia", "Грузия", "Georgia", "h:W+pR"},
    Country{"Hong Kong", "Гонконг", "Hong_Kong", "h:R+dW"},
    Country{"India", "Индия", "India", "h:OWG+dB"},
    Country{"Indonesia", "Индонезия", "Indonesia", "h:RW"},
    Country{"Iran", "Иран", "Iran", "h:GWR"},
    Country{"Iraq", "Ирак", "Iraq", "h:RWK"},
    Country{"Israel", "Израиль", "Israel", "h:WBWWBW+sB"},
    Country{"Japan", "Япония", "Japan", "h:W+dR"},
    Country{"Jordan", "Иордания", "Jordan", "h:KWG+tR"},
    Country{"Kazakhstan", "Казахстан", "Kazakhstan", "h:L+dY"},
    Country{"Kuwait", "Кувейт", "Kuwait", "h:GWR+tK"},
    Country{"Kyrgyzstan", "Киргизия", "Kyrgyzstan", "h:R+dY"},
    Country{"Laos", "Лаос", "Laos", "h:RBBR+dW"},
    Country{"Lebanon", "Ливан", "Lebanon", "h:RWWR+dG"},
    Country{"Macau", "Макао", "Macau", "h:G+dW"},
    Country{"Malaysia", "Малайзия", "Malaysia", "h:RWRWRW+cN"},
    Country{"Maledives", "Мальдивы", "Maledives", "h:R+cG"},
    Country{"Mongolia", "Монголия", "Mongolia", "v:RBR"},
    Country{"Myanmar", "Мьянма", "Myanmar", "h:YGR+sW"},
    Country{"Nepal", "Непал", "Nepal", "h:W+tR"},
    Country{"North Korea", "Северная Корея", "North_Korea", "h:BRRB+dW"},
    Country{"Oman", "Оман", "Oman", "h:WRG+cR"},
    Country{"Pakistan", "Пакистан", "Pakistan", "v:WGGG+dW"},
    Country{"Philippines", "Филиппины", "Philippines", "h:BR+tW"},
    Country{"Qatar", "Катар", "Qatar", "v:WMMM"},
    Country{"Saudi Arabia", "Саудовская Аравия", "Saudi_Arabia", "h:G+dW"},
    Country{"Singapore", "Сингапур", "Singapore", "h:RW+cR"},
    Country{"South Korea", "Южная Корея", "South_Korea", "h:W+dR"},
    Country{"Sri-Lanka", "Шри-Ланка", "Sri-Lanka", "v:GOMMM"},
    Country{"Syria", "Сирия", "Syria", "h:RWK"},
    Country{"Taiwan", "Тайвань", "Taiwan", "h:RR+cB"},
    Country{"Tajikistan", "Таджикистан", "Tajikistan", "h:RWG"},
    Country{"Thailand", "Таиланд", "Thailand", "h:RWBBWR"},
    Country{"Turkey", "Турция", "Turkey", "h:R+dW"},
    Country{"Turkmenistan", "Туркменистан", "Turkmenistan", "v:RGGGG"},
    Country{"United Arab Emirates", "Объединённые Арабские Эмираты", "UAE", "h:GWK+tR"},
    Country{"Uzbekistan", "Узбекистан", "Uzbekistan", "h:LWG"},
    Country{"Vietnam", "Вьетнам", "Vietnam", "h:R+sY"},
    Country{"Yemen", "Йемен", "Yemen", "h:RWK"},
};

constexpr std::array kNorthAmerica{
    kUnknown,
    Country{"Anguilla", "Ангилья", "Anguilla", "h:N+cR"},
    Country{"Antigua and Barbuda", "Антигуа и Барбуда", "Antigua-Barbuda", "h:KBW+dY"},
    Country{"Aruba", "Аруба", "Aruba", "h:LLLYL"},
    Country{"Bahamas", "Багамы", "Bahamas", "h:LYL+tK"},
    Country{"Barbados", "Барбадос", "Barbados", "v:BYB"},
    Country{"Belize", "Белиз", "Belize", "h:RBBBBR+dW"},
    Country{"Bermuda", "Бермуды", "Bermuda", "h:R+cN"},
    Country{"British Virgin Islands", "Британские Виргинские острова", "BVI", "h:N+cR"},
    Country{"Canada", "Канада", "Canada", "v:RWWR+dR"},
    Country{"Cayman Islands", "Каймановы острова", "Cayman_Islands", "h:N+cR"},
    Country{"Costa Rica", "Коста-Рика", "Costa_Rica", "h:BWRRWB"},
    Country{"Cuba", "Куба", "Cuba", "h:BWBWB+tR"},
    Country{"Dominica", "Доминика", "Dominica", "h:G+pY"},
    Country{"Dominican Republic", "Доминиканская Республика", "Dominican_Rep.", "h:B+pW"},
    Country{"El Salvador", "Сальвадор", "El_Salvador", "h:BWB"},
    Country{"Greenland", "Гренландия", "Greenland", "h:WR+dR"},
    Country{"Grenada", "Гренада", "Grenada", "h:YG+dR"},
    Country{"Guatemala", "Гватемала", "Guatemala", "v:LWL"},
    Country{"Haiti", "Гаити", "Haiti", "h:BR"},
    Country{"Honduras", "Гондурас", "Honduras", "h:BWB+sB"},
    Country{"Jamaica", "Ямайка", "Jamaica", "h:GYK+pY"},
    Country{"Martinique", "Мартиника", "Martinique", "v:BWR"},
    Country{"Mexico", "Мексика", "Mexico", "v:GWR+dG"},
    Country{"Montserrat", "Монтсеррат", "Montserrat", "h:N+cR"},
    Country{"Nicaragua", "Никарагуа", "Nicaragua", "h:BWB+dY"},
    Country{"Panama", "Панама", "Panama", "h:WR+cB"},
    Country{"Puerto Rico", "Пуэрто-Рико", "Puerto_Rico", "h:RWRWR+tB"},
    Country{"Saint Kitts and Nevis", "Сент-Китс и Невис", "Saint_Kitts_N.", "h:GKR+sW"},
    Country{"Saint Lucia", "Сент-Люсия", "Saint_Lucia", "h:L+tY"},
    Country{"Saint Pierre and Miquelon", "Сен-Пьер и Микелон", "Saint_Pierre_M.", "h:BBL+cR"},
    Country{"Saint Vincent and the Grenadines", "Сент-Винсент и Гренадины", "S.V._Grenadines",
            "v:BYYG+dG"},
    Country{"Trinidad and Tobago", "Тринидад и Тобаго", "Trinidad_Tobago", "h:R+pK"},
    Country{"Turks and Caicos Islands", "Теркс и Кайкос", "Turks_Caicos_I.", "h:N+cR"},
    Country{"USA", "США", "USA", "h:RWRWRWR+cN"},
    Country{"Virgin Islands", "Виргинские острова", "Virgin_Islands", "h:W+dY"},
};

constexpr std::array kSouthAmerica{
    kUnknown,
    Country{"Argentina", "Аргентина", "Argentina", "h:LWL+dY"},
    Country{"Bolivia", "Боливия", "Bolivia", "h:RYG"},
    Country{"Brazil", "Бразилия", "Brazil", "h:G+dB"},
    Country{"Chile", "Чили", "Chile", "h:WR+cB"},
    Country{"Colombia", "Колумбия", "Colombia", "h:YYBR"},
    Country{"Equador", "Эквадор", "Equador", "h:YYBR+dO"},
    Country{"Falkland Islands", "Фолклендские острова", "Falkland_Isl.", "h:N+cR"},
    Country{"Guyana", "Гайана", "Guyana", "h:G+tY"},
    Country{"Paraquay", "Парагвай", "Paraquay", "h:RWB"},
    Country{"Peru", "Перу", "Peru", "v:RWR"},
    Country{"South Georgia", "Южная Георгия", "South_Georgia", "h:N+cR"},
    Country{"Suriname", "Суринам", "Suriname", "h:GWRRWG+sY"},
    Country{"Uruquay", "Уругвай", "Uruquay", "h:WBWBWBWBW+cW"},
    Country{"Venezuela", "Венесуэла", "Venezuela", "h:YBR"},
};

constexpr std::array kOceania{
    kUnknown,
    Country{"American Samoa", "Американское Самоа", "American_Samoa", "h:B+tW"},
    Country{"Australia", "Австралия", "Australia", "h:N+cR"},
    Country{"Cook Islands", "Острова Кука", "Cook_Islands", "h:N+cR"},
    Country{"Fiji", "Фиджи", "Fiji", "h:L+cN"},
    Country{"French Polynesia", "Французская Полинезия", "Fr._Polynesia", "h:RWR+dY"},
    Country{"Guam", "Гуам", "Guam", "h:B+dR"},
    Country{"Kiribati", "Кирибати", "Kiribati", "h:RRBW+dY"},
    Country{"Marshall Islands", "Маршалловы Острова", "Marshall_Isl.", "h:B+sW"},
    Country{"Micronesia", "Микронезия", "Micronesia", "h:L+sW"},
    Country{"Nauru", "Науру", "Nauru", "h:BYB+sW"},
    Country{"New Zealand", "Новая Зеландия", "New_Zealand", "h:N+sR"},
    Country{"Niue", "Ниуэ", "Niue", "h:Y+cN"},
    Country{"Norfolk Island", "Остров Норфолк", "Norfolk_Island", "v:GWG"},
    Country{"Northern Mariana Islands", "Северные Марианские острова", "N._Mariana_Isl.", "h:B+sW"},
    Country{"Palau", "Палау", "Palau", "h:L+dY"},
    Country{"Papua New Guinea", "Папуа — Новая Гвинея", "Papua_New_G.", "v:RK+sY"},
    Country{"Pitcairn Islands", "Острова Питкэрн", "Pitcairn_Isl.", "h:N+cR"},
    Country{"Samoa", "Самоа", "Samoa", "h:R+cN"},
    Country{"Solomon Islands", "Соломоновы Острова", "Solomon_Islands", "h:BG+sW"},
    Country{"Tonga", "Тонга", "Tonga", "h:R+cW"},
    Country{"Tuvalu", "Тувалу", "Tuvalu", "h:L+cN"},
    Country{"Vanuatu", "Вануату", "Vanuatu", "h:RG+tK"},
    Country{"Wallis and Futuna", "Уоллис и Футуна", "Wallis-Futuna", "h:R+cB"},
};

constexpr std::array kAfrica{
    kUnknown,
    Country{"Algeria", "Алжир", "Algeria", "v:GW+dR"},
    Country{"Angola", "Ангола", "Angola", "h:RK+dY"},
    Country{"Benin", "Бенин", "Benin", "h:YR+tG"},
    Country{"Botswana", "Ботсвана", "Botswana", "h:LLKLL"},
    Country{"Burkina Faso", "Буркина-Фасо", "Burkina_Faso", "h:RG+sY"},
    Country{"Burundi", "Бурунди", "Burundi", "h:RGR+dW"},
    Country{"Cameroon", "Камерун", "Cameroon", "v:GRY+sY"},
    Country{"Cape Verde", "Кабо-Верде", "Cape_Verde", "h:BBWRWBB"},
    Country{"Central African Republic", "Центральноафриканская Республика", "CAR", "h:BWGY"},
    Country{"Chad", "Чад", "Chad", "v:BYR"},
    Country{"Comoros", "Коморы", "Comoros", "h:YWRB+tG"},
    Country{"Congo Republic", "Республика Конго", "Congo_Republic", "h:GYR"},
    Country{"Congo Democratic Republic", "Демократическая Республика Конго", "Congo_DR", "h:L+sY"},
    Country{"Djibouti", "Джибути", "Djibouti", "h:LG+tW"},
    Country{"Egypt", "Египет", "Egypt", "h:RWK+dY"},
    Country{"Equatorial Guinea", "Экваториальная Гвинея", "Eq._Guinea", "h:GWR+tB"},
    Country{"Eritrea", "Эритрея", "Eritrea", "h:GB+tR"},
    Country{"Ethiopia", "Эфиопия", "Ethiopia", "h:GYR+dB"},
    Country{"Gabon", "Габон", "Gabon", "h:GYB"},
    Country{"Gambia", "Гамбия", "Gambia", "h:RRWBWGG"},
    Country{"Ghana", "Гана", "Ghana", "h:RYG+sK"},
    Country{"Guinea", "Гвинея", "Guinea", "v:RYG"},
    Country{"Guinea-Bissau", "Гвинея-Бисау", "Guinea-Bissau", "h:YG+tR"},
    Country{"Ivory Coast (Cote Divoire)", "Кот-д’Ивуар", "Cote_Divoire", "v:OWG"},
    Country{"Kenya", "Кения", "Kenya", "h:KWRWG+dR"},
    Country{"Lesotho", "Лесото", "Lesotho", "h:BWWG+dK"},
    Country{"Liberia", "Либерия", "Liberia", "h:RWRWRWR+cB"},
    Country{"Libya", "Ливия", "Libya", "h:RKKG+dW"},
    Country{"Madagascar", "Мадагаскар", "Madagascar", "h:RG+tW"},
    Country{"Malawi", "Малави", "Malawi", "h:KRG+dR"},
    Country{"Mali", "Мали", "Mali", "v:GYR"},
    Country{"Mauretania", "Мавритания", "Mauretania", "h:G+sY"},
    Country{"Mauritius", "Маврикий", "Mauritius", "h:RBYG"},
    Country{"Morocco", "Марокко", "Morocco", "h:R+sG"},
    Country{"Mozambique", "Мозамбик", "Mozambique", "h:GKY+tR"},
    Country{"Namibia", "Намибия", "Namibia", "h:BRG+cB"},
    Country{"Niger", "Нигер", "Niger", "h:OWG+dO"},
    Country{"Nigeria", "Нигерия", "Nigeria", "v:GWG"},
    Country{"Rwanda", "Руанда", "Rwanda", "h:LLYG+dY"},
    Country{"Saint Helena", "Остров Святой Елены", "Saint_Helena", "h:N+cR"},
    Country{"Sao Tome and Principe", "Сан-Томе и Принсипи", "Sao_Tome_Pr.", "h:GYG+tR"},
    Country{"Senegal", "Сенегал", "Senegal", "v:GYR+sG"},
    Country{"Seychelles", "Сейшелы", "Seychelles", "h:BYRWG"},
    Country{"Sierra Leone", "Сьерра-Леоне", "Sierra_Leone", "h:GWB"},
    Country{"Somalia", "Сомали", "Somalia", "h:L+sW"},
    Country{"South Africa", "Южно-Африканская Республика", "South_Africa", "h:RGB+tK"},
    Country{"Sudan", "Судан", "Sudan", "h:RWK+tG"},
    Country{"Swaziland", "Эсватини", "Swaziland", "h:BYRRYB+dW"},
    Country{"Tanzania", "Танзания", "Tanzania", "h:GK+tL"},
    Country{"Togo", "Того", "Togo", "h:GYGYG+cR"},
    Country{"Tunisia", "Тунис", "Tunisia", "h:R+dW"},
    Country{"Uganda", "Уганда", "Uganda", "h:KYRKYR+dW"},
    Country{"Zambia", "Замбия", "Zambia", "h:G+cO"},
    Country{"Zimbabwe", "Зимбабве", "Zimbabwe", "h:GYRKRYG+tW"},
};

}  // namespace

std::span<const Country> ContinentCountries(int continent) {
  switch (continent) {
    case 1:
      return kEurope;
    case 2:
      return kAsia;
    case 3:
      return kNorthAmerica;
    case 4:
      return kSouthAmerica;
    case 5:
      return kOceania;
    case 6:
      return kAfrica;
    default:
      return {};
  }
}

int ContinentSize(int continent) {
  const auto table = ContinentCountries(continent);
  return table.empty() ? 0 : static_cast<int>(table.size()) - 1;
}

std::optional<std::pair<int, int>> SplitCountryCode(std::string_view code) {
  if (code.size() != 5 || code[1] != '-') return std::nullopt;
  const int continent = code[0] - '0';
  int index = 0;
  for (std::size_t i = 2; i < 5; ++i) {
    if (code[i] < '0' || code[i] > '9') return std::nullopt;
    index = index * 10 + (code[i] - '0');
  }
  if (continent < 1 || continent > kContinents || index > ContinentSize(continent)) {
    return std::nullopt;
  }
  return std::pair{continent, index};
}

std::optional<Country> CountryOfCode(std::string_view code) {
  const auto split = SplitCountryCode(code);
  if (!split) return std::nullopt;
  return ContinentCountries(split->first)[static_cast<std::size_t>(split->second)];
}

std::string CountryCode(int continent, int index) {
  std::string code = std::to_string(continent) + "-";
  const std::string number = std::to_string(index);
  code += std::string(number.size() < 3 ? 3 - number.size() : 0, '0') + number;
  return code;
}

unsigned FlagColour(char letter) {
  switch (letter) {
    case 'R':
      return 0xD52B1E;
    case 'W':
      return 0xFFFFFF;
    case 'B':
      return 0x0039A6;
    case 'L':
      return 0x4FA3E0;
    case 'G':
      return 0x109A3C;
    case 'Y':
      return 0xFCD116;
    case 'K':
      return 0x101010;
    case 'O':
      return 0xF28C28;
    case 'M':
      return 0x8A1538;
    case 'N':
      return 0x012169;
    default:
      return 0x808080;
  }
}

}  // namespace zendral::online
