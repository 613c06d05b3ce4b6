"""English names of countries and of first-level regions used in place names.

Country names are short common forms (every place name must fit in 34
characters), written only with letters, blanks, apostrophes and hyphens.
"""

# ISO 3166-1 alpha-2 code -> name. The United Kingdom is named by its four
# nations instead (see UK_NATIONS).
COUNTRIES = {
    "AD": "Andorra", "AE": "UAE", "AF": "Afghanistan", "AG": "Antigua",
    "AI": "Anguilla", "AL": "Albania", "AO": "Angola", "AQ": "Antarctica",
    "AR": "Argentina", "AS": "American Samoa", "AT": "Austria", "AU": "Australia",
    "AW": "Aruba", "AX": "Aland Islands", "BA": "Bosnia", "BB": "Barbados",
    "BD": "Bangladesh", "BE": "Belgium", "BF": "Burkina Faso", "BG": "Bulgaria",
    "BH": "Bahrain", "BI": "Burundi", "BJ": "Benin", "BL": "Saint Barthelemy",
    "BM": "Bermuda", "BN": "Brunei", "BO": "Bolivia", "BQ": "Bonaire",
    "BR": "Brazil", "BS": "Bahamas", "BT": "Bhutan", "BW": "Botswana",
    "BZ": "Belize", "CA": "Canada", "CC": "Cocos Islands", "CD": "DR Congo",
    "CF": "Central Africa", "CG": "Congo", "CH": "Switzerland", "CI": "Cote d'Ivoire",
    "CK": "Cook Islands", "CL": "Chile", "CM": "Cameroon", "CN": "China",
    "CO": "Colombia", "CR": "Costa Rica", "CU": "Cuba", "CV": "Cape Verde",
    "CW": "Curacao", "CX": "Christmas Island", "CY": "Cyprus", "CZ": "Czechia",
    "DE": "Germany", "DJ": "Djibouti", "DK": "Denmark", "DM": "Dominica",
    "DO": "Dominican Republic", "DZ": "Algeria", "EC": "Ecuador", "EG": "Egypt",
    "EH": "Western Sahara", "ER": "Eritrea", "ES": "Spain", "ET": "Ethiopia",
    "FI": "Finland", "FJ": "Fiji", "FK": "Falkland Islands", "FM": "Micronesia",
    "FO": "Faroe Islands", "FR": "France", "GA": "Gabon", "GD": "Grenada",
    "GF": "French Guiana", "GG": "Guernsey", "GH": "Ghana", "GI": "Gibraltar",
    "GL": "Greenland", "GM": "Gambia", "GN": "Guinea", "GP": "Guadeloupe",
    "GQ": "Equatorial Guinea", "GR": "Greece", "GS": "South Georgia",
    "GT": "Guatemala", "GU": "Guam", "GW": "Guinea-Bissau", "GY": "Guyana",
    "HK": "Hong Kong", "HN": "Honduras", "HR": "Croatia", "HT": "Haiti",
    "HU": "Hungary", "ID": "Indonesia", "IE": "Ireland", "IL": "Israel",
    "IM": "Isle of Man", "IN": "India", "IQ": "Iraq", "IR": "Iran",
    "IS": "Iceland", "IT": "Italy", "JE": "Jersey", "JM": "Jamaica",
    "JO": "Jordan", "JP": "Japan", "KE": "Kenya", "KH": "Cambodia",
    "KI": "Kiribati", "KM": "Comoros", "KN": "Saint Kitts", "KP": "North Korea",
    "KR": "South Korea", "KW": "Kuwait", "KY": "Cayman Islands", "LA": "Laos",
    "LB": "Lebanon", "LC": "Saint Lucia", "LI": "Liechtenstein", "LK": "Sri Lanka",
    "LR": "Liberia", "LS": "Lesotho", "LU": "Luxembourg", "LY": "Libya",
    "MA": "Morocco", "MC": "Monaco", "ME": "Montenegro", "MF": "Saint Martin",
    "MG": "Madagascar", "MH": "Marshall Islands", "MK": "North Macedonia",
    "ML": "Mali", "MM": "Myanmar", "MN": "Mongolia", "MO": "Macau",
    "MP": "Northern Mariana Islands", "MQ": "Martinique", "MR": "Mauritania",
    "MS": "Montserrat", "MT": "Malta", "MU": "Mauritius", "MV": "Maldives",
    "MW": "Malawi", "MX": "Mexico", "MY": "Malaysia", "MZ": "Mozambique",
    "NA": "Namibia", "NC": "New Caledonia", "NE": "Niger", "NF": "Norfolk Island",
    "NG": "Nigeria", "NI": "Nicaragua", "NL": "Netherlands", "NO": "Norway",
    "NP": "Nepal", "NR": "Nauru", "NU": "Niue", "NZ": "New Zealand",
    "OM": "Oman", "PA": "Panama", "PE": "Peru", "PF": "French Polynesia",
    "PG": "Papua New Guinea", "PH": "Philippines", "PK": "Pakistan", "PL": "Poland",
    "PM": "Saint Pierre", "PN": "Pitcairn", "PR": "Puerto Rico", "PS": "Palestine",
    "PT": "Portugal", "PW": "Palau", "PY": "Paraguay", "QA": "Qatar",
    "RE": "Reunion", "RO": "Romania", "RS": "Serbia", "RW": "Rwanda",
    "SA": "Saudi Arabia", "SB": "Solomon Islands", "SC": "Seychelles", "SD": "Sudan",
    "SE": "Sweden", "SG": "Singapore", "SH": "Saint Helena", "SI": "Slovenia",
    "SJ": "Svalbard", "SK": "Slovakia", "SL": "Sierra Leone", "SM": "San Marino",
    "SN": "Senegal", "SO": "Somalia", "SR": "Suriname", "SS": "South Sudan",
    "ST": "Sao Tome", "SV": "El Salvador", "SX": "Sint Maarten", "SY": "Syria",
    "SZ": "Eswatini", "TC": "Turks and Caicos", "TD": "Chad", "TF": "French Southern Lands",
    "TG": "Togo", "TH": "Thailand", "TK": "Tokelau", "TL": "East Timor",
    "TN": "Tunisia", "TO": "Tonga", "TR": "Turkey", "TT": "Trinidad and Tobago",
    "TV": "Tuvalu", "TW": "Taiwan", "TZ": "Tanzania", "UG": "Uganda",
    "US": "USA", "UY": "Uruguay", "VA": "Vatican", "VC": "Saint Vincent",
    "VE": "Venezuela", "VG": "British Virgin Islands", "VI": "US Virgin Islands",
    "VN": "Vietnam", "VU": "Vanuatu", "WF": "Wallis and Futuna", "WS": "Samoa",
    "XK": "Kosovo", "YE": "Yemen", "YT": "Mayotte", "ZA": "South Africa",
    "ZM": "Zambia", "ZW": "Zimbabwe",
}

# GeoNames first-level codes of the United Kingdom -> nation named instead of
# the country.
UK_NATIONS = {
    "ENG": "England", "SCT": "Scotland", "WLS": "Wales", "NIR": "Northern Ireland",
}

# GeoNames first-level codes -> postal abbreviation written before the comma.
# The USA's codes are already the postal ones.
CANADIAN_PROVINCES = {
    "01": "AB", "02": "BC", "03": "MB", "04": "NB", "05": "NL", "07": "NS",
    "08": "ON", "09": "PE", "10": "QC", "11": "SK", "12": "YT", "13": "NT",
    "14": "NU",
}
AUSTRALIAN_STATES = {
    "01": "ACT", "02": "NSW", "03": "NT", "04": "QLD", "05": "SA", "06": "TAS",
    "07": "VIC", "08": "WA",
}

# GeoNames first-level codes of Japan -> prefecture written after the comma.
JAPANESE_PREFECTURES = {
    "01": "Aichi", "02": "Akita", "03": "Aomori", "04": "Chiba", "05": "Ehime",
    "06": "Fukui", "07": "Fukuoka", "08": "Fukushima", "09": "Gifu", "10": "Gunma",
    "11": "Hiroshima", "12": "Hokkaido", "13": "Hyogo", "14": "Ibaraki",
    "15": "Ishikawa", "16": "Iwate", "17": "Kagawa", "18": "Kagoshima",
    "19": "Kanagawa", "20": "Kochi", "21": "Kumamoto", "22": "Kyoto", "23": "Mie",
    "24": "Miyagi", "25": "Miyazaki", "26": "Nagano", "27": "Nagasaki", "28": "Nara",
    "29": "Niigata", "30": "Oita", "31": "Okayama", "32": "Osaka", "33": "Saga",
    "34": "Saitama", "35": "Shiga", "36": "Shimane", "37": "Shizuoka",
    "38": "Tochigi", "39": "Tokushima", "40": "Tokyo", "41": "Tottori",
    "42": "Toyama", "43": "Wakayama", "44": "Yamagata", "45": "Yamaguchi",
    "46": "Yamanashi", "47": "Okinawa",
}

# Countries of the former Soviet Union: their places form the Cyrillic run.
FORMER_SOVIET_UNION = {
    "RU", "UA", "BY", "KZ", "LT", "LV", "EE", "GE", "AM", "AZ", "UZ", "TM", "TJ",
    "KG", "MD",
}
