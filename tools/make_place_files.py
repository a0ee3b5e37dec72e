#!/usr/bin/env python3
"""Generates the program folder's place files from the tables below:

  data/GA_MA.LL   the default cities file: city,region,longitude,latitude,zone
                  (longitude DDxMM below 100 degrees, DDDxMM from 100; latitude
                  DDxMM; zone in hours, West of Greenwich positive)
  data/TZ.DAT     the time-zone table: name (<= 32 characters),label (<= 4),hours
  data/NAMES.FIL  example names file: fictional people born in places of the
                  cities table, in the names-file record form

Sources: the coordinates (rounded to the minute) and standard zones are public
geographic facts, written into the PLACES table by hand; the zones are the
standard (winter) time in force today. The people are invented.

Rerun from the repository root:
    /usr/bin/python3 tools/make_place_files.py          # writes the three files
    /usr/bin/python3 tools/make_place_files.py --out FOLDER  # ... into FOLDER
    /usr/bin/python3 tools/make_place_files.py --check  # also compares every place
        named after a tz database zone with that zone's principal location
        (/usr/share/zoneinfo/zone1970.tab and zone.tab, Debian's tzdata) and
        standard offset, and lists differences over 10 minutes of arc or a
        zone that differs
"""

import datetime
import os
import sys

# city | region | latitude | longitude | zone (hours, West positive)
PLACES = """
# United States
Montgomery | AL | 32 22 N | 86 18 W | 6
Birmingham | AL | 33 31 N | 86 48 W | 6
Mobile | AL | 30 42 N | 88 03 W | 6
Huntsville | AL | 34 44 N | 86 35 W | 6
Tuscaloosa | AL | 33 13 N | 87 34 W | 6
Juneau | AK | 58 18 N | 134 25 W | 9
Anchorage | AK | 61 13 N | 149 54 W | 9
Fairbanks | AK | 64 50 N | 147 43 W | 9
Nome | AK | 64 30 N | 165 24 W | 9
Phoenix | AZ | 33 27 N | 112 04 W | 7
Tucson | AZ | 32 13 N | 110 58 W | 7
Flagstaff | AZ | 35 12 N | 111 39 W | 7
Mesa | AZ | 33 25 N | 111 50 W | 7
Little Rock | AR | 34 45 N | 92 17 W | 6
Fort Smith | AR | 35 23 N | 94 25 W | 6
Sacramento | CA | 38 35 N | 121 30 W | 8
Los Angeles | CA | 34 03 N | 118 15 W | 8
San Francisco | CA | 37 47 N | 122 25 W | 8
San Diego | CA | 32 43 N | 117 10 W | 8
San Jose | CA | 37 20 N | 121 53 W | 8
Oakland | CA | 37 48 N | 122 16 W | 8
Berkeley | CA | 37 52 N | 122 16 W | 8
Fresno | CA | 36 44 N | 119 47 W | 8
Long Beach | CA | 33 46 N | 118 12 W | 8
Pasadena | CA | 34 09 N | 118 09 W | 8
Bakersfield | CA | 35 22 N | 119 01 W | 8
Santa Barbara | CA | 34 25 N | 119 42 W | 8
Riverside | CA | 33 57 N | 117 24 W | 8
Stockton | CA | 37 58 N | 121 17 W | 8
Eureka | CA | 40 48 N | 124 10 W | 8
Denver | CO | 39 44 N | 104 59 W | 7
Colorado Springs | CO | 38 50 N | 104 49 W | 7
Boulder | CO | 40 01 N | 105 16 W | 7
Pueblo | CO | 38 16 N | 104 37 W | 7
Grand Junction | CO | 39 04 N | 108 33 W | 7
Hartford | CT | 41 46 N | 72 41 W | 5
New Haven | CT | 41 18 N | 72 55 W | 5
Stamford | CT | 41 03 N | 73 32 W | 5
Dover | DE | 39 10 N | 75 31 W | 5
Wilmington | DE | 39 45 N | 75 33 W | 5
Washington | DC | 38 54 N | 77 02 W | 5
Tallahassee | FL | 30 27 N | 84 17 W | 5
Miami | FL | 25 47 N | 80 12 W | 5
Tampa | FL | 27 57 N | 82 27 W | 5
Saint Petersburg | FL | 27 46 N | 82 38 W | 5
Orlando | FL | 28 32 N | 81 23 W | 5
Jacksonville | FL | 30 20 N | 81 39 W | 5
Gainesville | FL | 29 39 N | 82 20 W | 5
Key West | FL | 24 33 N | 81 47 W | 5
Pensacola | FL | 30 25 N | 87 13 W | 6
Atlanta | GA | 33 45 N | 84 23 W | 5
Savannah | GA | 32 05 N | 81 06 W | 5
Augusta | GA | 33 28 N | 81 58 W | 5
Macon | GA | 32 50 N | 83 38 W | 5
Honolulu | HI | 21 18 N | 157 51 W | 10
Hilo | HI | 19 43 N | 155 05 W | 10
Boise | ID | 43 37 N | 116 12 W | 7
Pocatello | ID | 42 52 N | 112 27 W | 7
Springfield | IL | 39 48 N | 89 39 W | 6
Chicago | IL | 41 53 N | 87 38 W | 6
Peoria | IL | 40 42 N | 89 36 W | 6
Rockford | IL | 42 16 N | 89 06 W | 6
Indianapolis | IN | 39 46 N | 86 09 W | 5
Fort Wayne | IN | 41 05 N | 85 08 W | 5
South Bend | IN | 41 41 N | 86 15 W | 5
Evansville | IN | 37 58 N | 87 34 W | 6
Des Moines | IA | 41 35 N | 93 37 W | 6
Cedar Rapids | IA | 41 59 N | 91 40 W | 6
Davenport | IA | 41 31 N | 90 35 W | 6
Sioux City | IA | 42 30 N | 96 24 W | 6
Topeka | KS | 39 03 N | 95 41 W | 6
Wichita | KS | 37 41 N | 97 20 W | 6
Lawrence | KS | 38 58 N | 95 14 W | 6
Frankfort | KY | 38 12 N | 84 52 W | 5
Louisville | KY | 38 15 N | 85 46 W | 5
Lexington | KY | 38 03 N | 84 30 W | 5
Bowling Green | KY | 36 59 N | 86 27 W | 6
Baton Rouge | LA | 30 27 N | 91 11 W | 6
New Orleans | LA | 29 57 N | 90 04 W | 6
Shreveport | LA | 32 31 N | 93 45 W | 6
Lafayette | LA | 30 13 N | 92 01 W | 6
Augusta | ME | 44 19 N | 69 47 W | 5
Portland | ME | 43 40 N | 70 15 W | 5
Bangor | ME | 44 48 N | 68 46 W | 5
Annapolis | MD | 38 59 N | 76 30 W | 5
Baltimore | MD | 39 17 N | 76 37 W | 5
Boston | MA | 42 21 N | 71 04 W | 5
Cambridge | MA | 42 22 N | 71 06 W | 5
Worcester | MA | 42 16 N | 71 48 W | 5
Springfield | MA | 42 06 N | 72 35 W | 5
Salem | MA | 42 31 N | 70 54 W | 5
Lansing | MI | 42 44 N | 84 33 W | 5
Detroit | MI | 42 20 N | 83 03 W | 5
Grand Rapids | MI | 42 58 N | 85 40 W | 5
Ann Arbor | MI | 42 17 N | 83 45 W | 5
Flint | MI | 43 01 N | 83 41 W | 5
Saint Paul | MN | 44 57 N | 93 06 W | 6
Minneapolis | MN | 44 59 N | 93 16 W | 6
Duluth | MN | 46 47 N | 92 06 W | 6
Rochester | MN | 44 01 N | 92 28 W | 6
Jackson | MS | 32 18 N | 90 11 W | 6
Biloxi | MS | 30 24 N | 88 53 W | 6
Jefferson City | MO | 38 35 N | 92 10 W | 6
Kansas City | MO | 39 06 N | 94 35 W | 6
Saint Louis | MO | 38 38 N | 90 12 W | 6
Springfield | MO | 37 13 N | 93 18 W | 6
Helena | MT | 46 36 N | 112 02 W | 7
Billings | MT | 45 47 N | 108 30 W | 7
Missoula | MT | 46 52 N | 113 59 W | 7
Great Falls | MT | 47 30 N | 111 18 W | 7
Lincoln | NE | 40 49 N | 96 41 W | 6
Omaha | NE | 41 16 N | 95 56 W | 6
Carson City | NV | 39 10 N | 119 46 W | 8
Las Vegas | NV | 36 10 N | 115 09 W | 8
Reno | NV | 39 32 N | 119 49 W | 8
Concord | NH | 43 12 N | 71 32 W | 5
Manchester | NH | 42 59 N | 71 28 W | 5
Portsmouth | NH | 43 04 N | 70 46 W | 5
Trenton | NJ | 40 13 N | 74 46 W | 5
Newark | NJ | 40 44 N | 74 10 W | 5
Atlantic City | NJ | 39 22 N | 74 27 W | 5
Princeton | NJ | 40 21 N | 74 40 W | 5
Santa Fe | NM | 35 41 N | 105 56 W | 7
Albuquerque | NM | 35 05 N | 106 39 W | 7
Las Cruces | NM | 32 19 N | 106 46 W | 7
Roswell | NM | 33 24 N | 104 31 W | 7
Albany | NY | 42 39 N | 73 45 W | 5
New York | NY | 40 43 N | 74 00 W | 5
Buffalo | NY | 42 53 N | 78 53 W | 5
Rochester | NY | 43 10 N | 77 37 W | 5
Syracuse | NY | 43 03 N | 76 09 W | 5
Ithaca | NY | 42 26 N | 76 30 W | 5
Raleigh | NC | 35 47 N | 78 39 W | 5
Charlotte | NC | 35 14 N | 80 51 W | 5
Greensboro | NC | 36 04 N | 79 47 W | 5
Durham | NC | 35 59 N | 78 54 W | 5
Asheville | NC | 35 36 N | 82 33 W | 5
Wilmington | NC | 34 14 N | 77 57 W | 5
Bismarck | ND | 46 48 N | 100 47 W | 6
Fargo | ND | 46 53 N | 96 47 W | 6
Grand Forks | ND | 47 55 N | 97 02 W | 6
Columbus | OH | 39 58 N | 83 00 W | 5
Cleveland | OH | 41 30 N | 81 41 W | 5
Cincinnati | OH | 39 06 N | 84 31 W | 5
Toledo | OH | 41 39 N | 83 33 W | 5
Dayton | OH | 39 46 N | 84 12 W | 5
Akron | OH | 41 05 N | 81 31 W | 5
Oklahoma City | OK | 35 28 N | 97 31 W | 6
Tulsa | OK | 36 09 N | 95 59 W | 6
Salem | OR | 44 56 N | 123 02 W | 8
Portland | OR | 45 31 N | 122 41 W | 8
Eugene | OR | 44 03 N | 123 05 W | 8
Bend | OR | 44 04 N | 121 19 W | 8
Medford | OR | 42 20 N | 122 52 W | 8
Harrisburg | PA | 40 16 N | 76 53 W | 5
Philadelphia | PA | 39 57 N | 75 10 W | 5
Pittsburgh | PA | 40 26 N | 80 00 W | 5
Erie | PA | 42 08 N | 80 05 W | 5
Scranton | PA | 41 25 N | 75 40 W | 5
Allentown | PA | 40 36 N | 75 28 W | 5
Providence | RI | 41 49 N | 71 25 W | 5
Newport | RI | 41 29 N | 71 19 W | 5
Columbia | SC | 34 00 N | 81 02 W | 5
Charleston | SC | 32 47 N | 79 56 W | 5
Greenville | SC | 34 51 N | 82 24 W | 5
Myrtle Beach | SC | 33 41 N | 78 53 W | 5
Pierre | SD | 44 22 N | 100 21 W | 6
Sioux Falls | SD | 43 33 N | 96 44 W | 6
Rapid City | SD | 44 05 N | 103 14 W | 7
Nashville | TN | 36 10 N | 86 47 W | 6
Memphis | TN | 35 09 N | 90 03 W | 6
Knoxville | TN | 35 58 N | 83 55 W | 5
Chattanooga | TN | 35 03 N | 85 19 W | 5
Austin | TX | 30 16 N | 97 45 W | 6
Houston | TX | 29 46 N | 95 22 W | 6
Dallas | TX | 32 47 N | 96 48 W | 6
San Antonio | TX | 29 25 N | 98 30 W | 6
Fort Worth | TX | 32 45 N | 97 20 W | 6
El Paso | TX | 31 46 N | 106 29 W | 7
Corpus Christi | TX | 27 48 N | 97 24 W | 6
Lubbock | TX | 33 35 N | 101 51 W | 6
Amarillo | TX | 35 13 N | 101 50 W | 6
Waco | TX | 31 33 N | 97 09 W | 6
Galveston | TX | 29 18 N | 94 48 W | 6
Laredo | TX | 27 30 N | 99 30 W | 6
Brownsville | TX | 25 54 N | 97 30 W | 6
Midland | TX | 32 00 N | 102 05 W | 6
Beaumont | TX | 30 05 N | 94 06 W | 6
Salt Lake City | UT | 40 46 N | 111 53 W | 7
Provo | UT | 40 14 N | 111 40 W | 7
Ogden | UT | 41 13 N | 111 58 W | 7
Montpelier | VT | 44 16 N | 72 35 W | 5
Burlington | VT | 44 29 N | 73 13 W | 5
Richmond | VA | 37 32 N | 77 26 W | 5
Norfolk | VA | 36 51 N | 76 17 W | 5
Virginia Beach | VA | 36 51 N | 75 59 W | 5
Alexandria | VA | 38 48 N | 77 03 W | 5
Roanoke | VA | 37 16 N | 79 57 W | 5
Olympia | WA | 47 03 N | 122 54 W | 8
Seattle | WA | 47 36 N | 122 20 W | 8
Spokane | WA | 47 40 N | 117 26 W | 8
Tacoma | WA | 47 15 N | 122 27 W | 8
Yakima | WA | 46 36 N | 120 31 W | 8
Charleston | WV | 38 21 N | 81 38 W | 5
Madison | WI | 43 04 N | 89 24 W | 6
Milwaukee | WI | 43 02 N | 87 54 W | 6
Green Bay | WI | 44 31 N | 88 01 W | 6
Cheyenne | WY | 41 08 N | 104 49 W | 7
Casper | WY | 42 52 N | 106 19 W | 7
Laramie | WY | 41 19 N | 105 35 W | 7
San Juan | Puerto Rico | 18 28 N | 66 06 W | 4
Hagatna | Guam | 13 28 N | 144 45 E | -10
Pago Pago | American Samoa | 14 17 S | 170 42 W | 11
# Canada
Ottawa | Ontario | 45 25 N | 75 42 W | 5
Toronto | Ontario | 43 39 N | 79 23 W | 5
Hamilton | Ontario | 43 15 N | 79 52 W | 5
Windsor | Ontario | 42 18 N | 83 01 W | 5
Montreal | Quebec | 45 30 N | 73 34 W | 5
Quebec | Quebec | 46 49 N | 71 13 W | 5
Vancouver | British Columbia | 49 15 N | 123 07 W | 8
Victoria | British Columbia | 48 26 N | 123 22 W | 8
Calgary | Alberta | 51 03 N | 114 04 W | 7
Edmonton | Alberta | 53 33 N | 113 30 W | 7
Winnipeg | Manitoba | 49 54 N | 97 08 W | 6
Regina | Saskatchewan | 50 27 N | 104 37 W | 6
Saskatoon | Saskatchewan | 52 08 N | 106 40 W | 6
Halifax | Nova Scotia | 44 39 N | 63 35 W | 4
Fredericton | New Brunswick | 45 58 N | 66 39 W | 4
Charlottetown | Prince Edward Island | 46 14 N | 63 08 W | 4
St. John's | Newfoundland | 47 34 N | 52 43 W | 3.5
Yellowknife | Northwest Territories | 62 27 N | 114 22 W | 7
Iqaluit | Nunavut | 63 45 N | 68 31 W | 5
Nuuk | Greenland | 64 11 N | 51 44 W | 2
# Mexico, Central America and the Caribbean
Mexico City | Mexico | 19 26 N | 99 08 W | 6
Guadalajara | Mexico | 20 40 N | 103 21 W | 6
Monterrey | Mexico | 25 40 N | 100 19 W | 6
Tijuana | Mexico | 32 32 N | 117 02 W | 8
Merida | Mexico | 20 58 N | 89 37 W | 6
Acapulco | Mexico | 16 51 N | 99 53 W | 6
Guatemala City | Guatemala | 14 38 N | 90 31 W | 6
Belize City | Belize | 17 30 N | 88 12 W | 6
San Salvador | El Salvador | 13 42 N | 89 12 W | 6
Tegucigalpa | Honduras | 14 06 N | 87 13 W | 6
Managua | Nicaragua | 12 09 N | 86 17 W | 6
San Jose | Costa Rica | 09 56 N | 84 05 W | 6
Panama City | Panama | 08 59 N | 79 31 W | 5
Havana | Cuba | 23 08 N | 82 22 W | 5
Kingston | Jamaica | 17 58 N | 76 48 W | 5
Port-au-Prince | Haiti | 18 33 N | 72 20 W | 5
Santo Domingo | Dominican Republic | 18 29 N | 69 56 W | 4
Nassau | Bahamas | 25 04 N | 77 21 W | 5
Port of Spain | Trinidad and Tobago | 10 40 N | 61 31 W | 4
Bridgetown | Barbados | 13 06 N | 59 37 W | 4
Hamilton | Bermuda | 32 18 N | 64 47 W | 4
# South America
Bogota | Colombia | 04 36 N | 74 05 W | 5
Medellin | Colombia | 06 15 N | 75 34 W | 5
Cali | Colombia | 03 27 N | 76 32 W | 5
Caracas | Venezuela | 10 30 N | 66 55 W | 4
Quito | Ecuador | 00 13 S | 78 31 W | 5
Guayaquil | Ecuador | 02 10 S | 79 54 W | 5
Lima | Peru | 12 03 S | 77 03 W | 5
Cusco | Peru | 13 32 S | 71 58 W | 5
La Paz | Bolivia | 16 30 S | 68 09 W | 4
Santiago | Chile | 33 27 S | 70 40 W | 4
Valparaiso | Chile | 33 03 S | 71 37 W | 4
Buenos Aires | Argentina | 34 36 S | 58 23 W | 3
Cordoba | Argentina | 31 25 S | 64 11 W | 3
Mendoza | Argentina | 32 53 S | 68 50 W | 3
Montevideo | Uruguay | 34 54 S | 56 10 W | 3
Asuncion | Paraguay | 25 16 S | 57 38 W | 4
Sao Paulo | Brazil | 23 33 S | 46 38 W | 3
Rio de Janeiro | Brazil | 22 54 S | 43 12 W | 3
Brasilia | Brazil | 15 47 S | 47 52 W | 3
Salvador | Brazil | 12 58 S | 38 30 W | 3
Recife | Brazil | 08 03 S | 34 54 W | 3
Fortaleza | Brazil | 03 43 S | 38 32 W | 3
Belo Horizonte | Brazil | 19 55 S | 43 56 W | 3
Porto Alegre | Brazil | 30 02 S | 51 13 W | 3
Curitiba | Brazil | 25 26 S | 49 16 W | 3
Belem | Brazil | 01 27 S | 48 30 W | 3
Manaus | Brazil | 03 06 S | 60 01 W | 4
Georgetown | Guyana | 06 48 N | 58 10 W | 4
Paramaribo | Suriname | 05 50 N | 55 10 W | 3
Cayenne | French Guiana | 04 56 N | 52 20 W | 3
# Europe
London | England | 51 30 N | 00 07 W | 0
Birmingham | England | 52 29 N | 01 54 W | 0
Manchester | England | 53 29 N | 02 14 W | 0
Liverpool | England | 53 25 N | 02 59 W | 0
Leeds | England | 53 48 N | 01 33 W | 0
Bristol | England | 51 27 N | 02 35 W | 0
Newcastle | England | 54 58 N | 01 37 W | 0
Oxford | England | 51 45 N | 01 15 W | 0
Cambridge | England | 52 12 N | 00 07 E | 0
Edinburgh | Scotland | 55 57 N | 03 11 W | 0
Glasgow | Scotland | 55 52 N | 04 15 W | 0
Cardiff | Wales | 51 29 N | 03 11 W | 0
Belfast | Northern Ireland | 54 36 N | 05 56 W | 0
Dublin | Ireland | 53 21 N | 06 16 W | 0
Cork | Ireland | 51 54 N | 08 28 W | 0
Reykjavik | Iceland | 64 09 N | 21 57 W | 0
Lisbon | Portugal | 38 43 N | 09 09 W | 0
Porto | Portugal | 41 09 N | 08 37 W | 0
Madrid | Spain | 40 25 N | 03 42 W | -1
Barcelona | Spain | 41 23 N | 02 10 E | -1
Seville | Spain | 37 23 N | 05 59 W | -1
Valencia | Spain | 39 28 N | 00 23 W | -1
Bilbao | Spain | 43 16 N | 02 56 W | -1
Andorra la Vella | Andorra | 42 30 N | 01 31 E | -1
Paris | France | 48 52 N | 02 21 E | -1
Marseille | France | 43 18 N | 05 22 E | -1
Lyon | France | 45 46 N | 04 50 E | -1
Nice | France | 43 42 N | 07 16 E | -1
Bordeaux | France | 44 50 N | 00 34 W | -1
Toulouse | France | 43 36 N | 01 26 E | -1
Strasbourg | France | 48 35 N | 07 45 E | -1
Monaco | Monaco | 43 44 N | 07 25 E | -1
Brussels | Belgium | 50 51 N | 04 21 E | -1
Antwerp | Belgium | 51 13 N | 04 24 E | -1
Amsterdam | Netherlands | 52 22 N | 04 54 E | -1
Rotterdam | Netherlands | 51 55 N | 04 29 E | -1
The Hague | Netherlands | 52 05 N | 04 18 E | -1
Luxembourg | Luxembourg | 49 37 N | 06 08 E | -1
Berlin | Germany | 52 31 N | 13 24 E | -1
Hamburg | Germany | 53 33 N | 09 59 E | -1
Munich | Germany | 48 08 N | 11 34 E | -1
Frankfurt | Germany | 50 07 N | 08 41 E | -1
Cologne | Germany | 50 56 N | 06 57 E | -1
Stuttgart | Germany | 48 47 N | 09 11 E | -1
Dusseldorf | Germany | 51 14 N | 06 47 E | -1
Dresden | Germany | 51 03 N | 13 44 E | -1
Leipzig | Germany | 51 20 N | 12 23 E | -1
Bern | Switzerland | 46 57 N | 07 27 E | -1
Zurich | Switzerland | 47 22 N | 08 33 E | -1
Geneva | Switzerland | 46 12 N | 06 09 E | -1
Vaduz | Liechtenstein | 47 08 N | 09 31 E | -1
Vienna | Austria | 48 12 N | 16 22 E | -1
Salzburg | Austria | 47 48 N | 13 03 E | -1
Rome | Italy | 41 54 N | 12 30 E | -1
Milan | Italy | 45 28 N | 09 11 E | -1
Naples | Italy | 40 51 N | 14 16 E | -1
Turin | Italy | 45 04 N | 07 41 E | -1
Florence | Italy | 43 46 N | 11 15 E | -1
Venice | Italy | 45 26 N | 12 20 E | -1
Palermo | Italy | 38 07 N | 13 22 E | -1
Valletta | Malta | 35 54 N | 14 31 E | -1
Copenhagen | Denmark | 55 41 N | 12 34 E | -1
Oslo | Norway | 59 55 N | 10 45 E | -1
Bergen | Norway | 60 23 N | 05 20 E | -1
Stockholm | Sweden | 59 20 N | 18 04 E | -1
Gothenburg | Sweden | 57 42 N | 11 58 E | -1
Helsinki | Finland | 60 10 N | 24 56 E | -2
Tallinn | Estonia | 59 26 N | 24 45 E | -2
Riga | Latvia | 56 57 N | 24 06 E | -2
Vilnius | Lithuania | 54 41 N | 25 17 E | -2
Warsaw | Poland | 52 14 N | 21 01 E | -1
Krakow | Poland | 50 04 N | 19 56 E | -1
Gdansk | Poland | 54 21 N | 18 39 E | -1
Prague | Czech Republic | 50 05 N | 14 25 E | -1
Bratislava | Slovakia | 48 09 N | 17 07 E | -1
Budapest | Hungary | 47 30 N | 19 02 E | -1
Ljubljana | Slovenia | 46 03 N | 14 30 E | -1
Zagreb | Croatia | 45 49 N | 15 59 E | -1
Sarajevo | Bosnia and Herzegovina | 43 51 N | 18 25 E | -1
Belgrade | Serbia | 44 49 N | 20 28 E | -1
Podgorica | Montenegro | 42 26 N | 19 16 E | -1
Tirana | Albania | 41 20 N | 19 49 E | -1
Skopje | North Macedonia | 42 00 N | 21 26 E | -1
Sofia | Bulgaria | 42 42 N | 23 19 E | -2
Bucharest | Romania | 44 26 N | 26 06 E | -2
Chisinau | Moldova | 47 01 N | 28 50 E | -2
Athens | Greece | 37 59 N | 23 44 E | -2
Thessaloniki | Greece | 40 38 N | 22 57 E | -2
Nicosia | Cyprus | 35 10 N | 33 22 E | -2
Kyiv | Ukraine | 50 27 N | 30 31 E | -2
Odesa | Ukraine | 46 29 N | 30 44 E | -2
Minsk | Belarus | 53 54 N | 27 34 E | -3
Moscow | Russia | 55 45 N | 37 37 E | -3
Saint Petersburg | Russia | 59 56 N | 30 19 E | -3
Kazan | Russia | 55 47 N | 49 07 E | -3
Istanbul | Turkey | 41 01 N | 28 58 E | -3
# Asia
Yekaterinburg | Russia | 56 50 N | 60 36 E | -5
Novosibirsk | Russia | 55 02 N | 82 56 E | -7
Irkutsk | Russia | 52 17 N | 104 17 E | -8
Vladivostok | Russia | 43 07 N | 131 54 E | -10
Ankara | Turkey | 39 56 N | 32 52 E | -3
Tbilisi | Georgia | 41 43 N | 44 47 E | -4
Yerevan | Armenia | 40 11 N | 44 31 E | -4
Baku | Azerbaijan | 40 23 N | 49 52 E | -4
Tehran | Iran | 35 42 N | 51 25 E | -3.5
Baghdad | Iraq | 33 19 N | 44 22 E | -3
Damascus | Syria | 33 31 N | 36 18 E | -3
Beirut | Lebanon | 33 54 N | 35 30 E | -2
Amman | Jordan | 31 57 N | 35 56 E | -3
Jerusalem | Israel | 31 47 N | 35 13 E | -2
Tel Aviv | Israel | 32 05 N | 34 47 E | -2
Riyadh | Saudi Arabia | 24 38 N | 46 43 E | -3
Jeddah | Saudi Arabia | 21 29 N | 39 12 E | -3
Kuwait City | Kuwait | 29 22 N | 47 59 E | -3
Manama | Bahrain | 26 13 N | 50 35 E | -3
Doha | Qatar | 25 17 N | 51 32 E | -3
Abu Dhabi | United Arab Emirates | 24 28 N | 54 22 E | -4
Dubai | United Arab Emirates | 25 16 N | 55 18 E | -4
Muscat | Oman | 23 35 N | 58 24 E | -4
Sanaa | Yemen | 15 21 N | 44 12 E | -3
Kabul | Afghanistan | 34 32 N | 69 10 E | -4.5
Tashkent | Uzbekistan | 41 18 N | 69 16 E | -5
Almaty | Kazakhstan | 43 15 N | 76 57 E | -5
Astana | Kazakhstan | 51 10 N | 71 26 E | -5
Bishkek | Kyrgyzstan | 42 52 N | 74 36 E | -6
Dushanbe | Tajikistan | 38 33 N | 68 47 E | -5
Ashgabat | Turkmenistan | 37 57 N | 58 23 E | -5
Islamabad | Pakistan | 33 41 N | 73 03 E | -5
Karachi | Pakistan | 24 52 N | 67 01 E | -5
Lahore | Pakistan | 31 33 N | 74 21 E | -5
New Delhi | India | 28 37 N | 77 13 E | -5.5
Mumbai | India | 18 58 N | 72 50 E | -5.5
Kolkata | India | 22 34 N | 88 22 E | -5.5
Chennai | India | 13 05 N | 80 16 E | -5.5
Bangalore | India | 12 58 N | 77 35 E | -5.5
Hyderabad | India | 17 23 N | 78 29 E | -5.5
Varanasi | India | 25 19 N | 83 00 E | -5.5
Kathmandu | Nepal | 27 42 N | 85 19 E | -5.75
Thimphu | Bhutan | 27 28 N | 89 38 E | -6
Dhaka | Bangladesh | 23 43 N | 90 25 E | -6
Colombo | Sri Lanka | 06 56 N | 79 51 E | -5.5
Male | Maldives | 04 10 N | 73 30 E | -5
Yangon | Myanmar | 16 47 N | 96 09 E | -6.5
Bangkok | Thailand | 13 45 N | 100 30 E | -7
Vientiane | Laos | 17 58 N | 102 36 E | -7
Phnom Penh | Cambodia | 11 33 N | 104 55 E | -7
Hanoi | Vietnam | 21 02 N | 105 51 E | -7
Ho Chi Minh City | Vietnam | 10 46 N | 106 42 E | -7
Kuala Lumpur | Malaysia | 03 09 N | 101 42 E | -8
Singapore | Singapore | 01 17 N | 103 51 E | -8
Bandar Seri Begawan | Brunei | 04 53 N | 114 56 E | -8
Jakarta | Indonesia | 06 12 S | 106 49 E | -7
Surabaya | Indonesia | 07 15 S | 112 45 E | -7
Denpasar | Indonesia | 08 39 S | 115 13 E | -8
Dili | East Timor | 08 33 S | 125 34 E | -9
Manila | Philippines | 14 35 N | 120 59 E | -8
Cebu | Philippines | 10 18 N | 123 54 E | -8
Beijing | China | 39 54 N | 116 24 E | -8
Shanghai | China | 31 14 N | 121 28 E | -8
Guangzhou | China | 23 08 N | 113 16 E | -8
Shenzhen | China | 22 33 N | 114 04 E | -8
Chengdu | China | 30 40 N | 104 04 E | -8
Wuhan | China | 30 35 N | 114 18 E | -8
Xian | China | 34 16 N | 108 57 E | -8
Harbin | China | 45 45 N | 126 39 E | -8
Urumqi | China | 43 48 N | 87 35 E | -8
Lhasa | China | 29 39 N | 91 08 E | -8
Hong Kong | China | 22 17 N | 114 10 E | -8
Macau | China | 22 12 N | 113 33 E | -8
Taipei | Taiwan | 25 03 N | 121 31 E | -8
Ulaanbaatar | Mongolia | 47 55 N | 106 55 E | -8
Seoul | South Korea | 37 34 N | 126 59 E | -9
Busan | South Korea | 35 06 N | 129 02 E | -9
Pyongyang | North Korea | 39 02 N | 125 45 E | -9
Tokyo | Japan | 35 41 N | 139 41 E | -9
Yokohama | Japan | 35 27 N | 139 38 E | -9
Osaka | Japan | 34 42 N | 135 30 E | -9
Kyoto | Japan | 35 01 N | 135 46 E | -9
Nagoya | Japan | 35 11 N | 136 54 E | -9
Sapporo | Japan | 43 04 N | 141 21 E | -9
Fukuoka | Japan | 33 35 N | 130 24 E | -9
Hiroshima | Japan | 34 24 N | 132 27 E | -9
# Africa
Cairo | Egypt | 30 03 N | 31 14 E | -2
Alexandria | Egypt | 31 12 N | 29 55 E | -2
Tripoli | Libya | 32 54 N | 13 11 E | -2
Tunis | Tunisia | 36 48 N | 10 11 E | -1
Algiers | Algeria | 36 46 N | 03 03 E | -1
Rabat | Morocco | 34 01 N | 06 50 W | -1
Casablanca | Morocco | 33 35 N | 07 37 W | -1
Marrakesh | Morocco | 31 38 N | 08 00 W | -1
Nouakchott | Mauritania | 18 05 N | 15 58 W | 0
Dakar | Senegal | 14 42 N | 17 27 W | 0
Banjul | Gambia | 13 27 N | 16 35 W | 0
Praia | Cape Verde | 14 55 N | 23 31 W | 1
Bamako | Mali | 12 39 N | 08 00 W | 0
Conakry | Guinea | 09 31 N | 13 43 W | 0
Freetown | Sierra Leone | 08 29 N | 13 14 W | 0
Monrovia | Liberia | 06 18 N | 10 48 W | 0
Abidjan | Ivory Coast | 05 19 N | 04 02 W | 0
Ouagadougou | Burkina Faso | 12 22 N | 01 32 W | 0
Accra | Ghana | 05 33 N | 00 12 W | 0
Lome | Togo | 06 08 N | 01 13 E | 0
Porto-Novo | Benin | 06 30 N | 02 36 E | -1
Niamey | Niger | 13 31 N | 02 07 E | -1
Lagos | Nigeria | 06 27 N | 03 24 E | -1
Abuja | Nigeria | 09 04 N | 07 29 E | -1
N'Djamena | Chad | 12 07 N | 15 03 E | -1
Yaounde | Cameroon | 03 52 N | 11 31 E | -1
Douala | Cameroon | 04 03 N | 09 42 E | -1
Bangui | Central African Republic | 04 22 N | 18 35 E | -1
Libreville | Gabon | 00 23 N | 09 27 E | -1
Brazzaville | Republic of the Congo | 04 16 S | 15 17 E | -1
Kinshasa | Democratic Republic of the Congo | 04 19 S | 15 19 E | -1
Luanda | Angola | 08 50 S | 13 14 E | -1
Khartoum | Sudan | 15 36 N | 32 32 E | -2
Juba | South Sudan | 04 51 N | 31 36 E | -2
Asmara | Eritrea | 15 20 N | 38 56 E | -3
Addis Ababa | Ethiopia | 09 02 N | 38 45 E | -3
Djibouti | Djibouti | 11 36 N | 43 09 E | -3
Mogadishu | Somalia | 02 02 N | 45 20 E | -3
Kampala | Uganda | 00 19 N | 32 35 E | -3
Nairobi | Kenya | 01 17 S | 36 49 E | -3
Mombasa | Kenya | 04 03 S | 39 40 E | -3
Kigali | Rwanda | 01 57 S | 30 04 E | -2
Bujumbura | Burundi | 03 23 S | 29 22 E | -2
Dodoma | Tanzania | 06 10 S | 35 45 E | -3
Dar es Salaam | Tanzania | 06 48 S | 39 17 E | -3
Lusaka | Zambia | 15 25 S | 28 17 E | -2
Lilongwe | Malawi | 13 59 S | 33 47 E | -2
Harare | Zimbabwe | 17 50 S | 31 03 E | -2
Maputo | Mozambique | 25 58 S | 32 35 E | -2
Gaborone | Botswana | 24 39 S | 25 55 E | -2
Windhoek | Namibia | 22 34 S | 17 05 E | -2
Pretoria | South Africa | 25 45 S | 28 11 E | -2
Johannesburg | South Africa | 26 12 S | 28 03 E | -2
Durban | South Africa | 29 52 S | 31 02 E | -2
Cape Town | South Africa | 33 55 S | 18 25 E | -2
Maseru | Lesotho | 29 19 S | 27 29 E | -2
Mbabane | Eswatini | 26 19 S | 31 08 E | -2
Antananarivo | Madagascar | 18 55 S | 47 32 E | -3
Port Louis | Mauritius | 20 10 S | 57 30 E | -4
Victoria | Seychelles | 04 37 S | 55 27 E | -4
# Oceania
Canberra | Australia | 35 17 S | 149 08 E | -10
Sydney | Australia | 33 52 S | 151 12 E | -10
Melbourne | Australia | 37 49 S | 144 58 E | -10
Brisbane | Australia | 27 28 S | 153 02 E | -10
Cairns | Australia | 16 55 S | 145 46 E | -10
Hobart | Australia | 42 53 S | 147 19 E | -10
Adelaide | Australia | 34 56 S | 138 36 E | -9.5
Darwin | Australia | 12 28 S | 130 51 E | -9.5
Alice Springs | Australia | 23 42 S | 133 53 E | -9.5
Perth | Australia | 31 57 S | 115 52 E | -8
Auckland | New Zealand | 36 51 S | 174 46 E | -12
Wellington | New Zealand | 41 17 S | 174 47 E | -12
Christchurch | New Zealand | 43 32 S | 172 38 E | -12
Port Moresby | Papua New Guinea | 09 27 S | 147 11 E | -10
Honiara | Solomon Islands | 09 26 S | 159 57 E | -11
Port Vila | Vanuatu | 17 44 S | 168 19 E | -11
Noumea | New Caledonia | 22 16 S | 166 27 E | -11
Suva | Fiji | 18 08 S | 178 26 E | -12
Papeete | French Polynesia | 17 32 S | 149 34 W | 10
"""

# name | label | hours (West positive): the standard zones and their usual
# daylight variants, with the wartime zones that births of the 1940s need.
ZONES = """
Greenwich Mean Time | GMT | 0
Coordinated Universal Time | UTC | 0
British Summer Time | BST | -1
British Double Summer Time | BDST | -2
Irish Standard Time | IST | -1
Western European Time | WET | 0
Western European Summer Time | WEST | -1
Central European Time | CET | -1
Central European Summer Time | CEST | -2
Eastern European Time | EET | -2
Eastern European Summer Time | EEST | -3
Moscow Standard Time | MSK | -3
Azores Time | AZOT | 1
Cape Verde Time | CVT | 1
West Africa Time | WAT | -1
Central Africa Time | CAT | -2
South Africa Standard Time | SAST | -2
East Africa Time | EAT | -3
Israel Standard Time | IST | -2
Israel Daylight Time | IDT | -3
Arabia Standard Time | AST | -3
Iran Standard Time | IRST | -3.5
Gulf Standard Time | GST | -4
Afghanistan Time | AFT | -4.5
Pakistan Standard Time | PKT | -5
Yekaterinburg Time | YEKT | -5
India Standard Time | IST | -5.5
Nepal Time | NPT | -5.75
Bangladesh Standard Time | BDT | -6
Myanmar Time | MMT | -6.5
Indochina Time | ICT | -7
Western Indonesia Time | WIB | -7
Novosibirsk Time | NOVT | -7
China Standard Time | CST | -8
Hong Kong Time | HKT | -8
Singapore Time | SGT | -8
Australian Western Standard Time | AWST | -8
Japan Standard Time | JST | -9
Korea Standard Time | KST | -9
Australian Central Standard Time | ACST | -9.5
Australian Central Daylight Time | ACDT | -10.5
Australian Eastern Standard Time | AEST | -10
Australian Eastern Daylight Time | AEDT | -11
Vladivostok Time | VLAT | -10
Chamorro Standard Time | CHST | -10
New Zealand Standard Time | NZST | -12
New Zealand Daylight Time | NZDT | -13
Newfoundland Standard Time | NST | 3.5
Newfoundland Daylight Time | NDT | 2.5
Atlantic Standard Time | AST | 4
Atlantic Daylight Time | ADT | 3
Eastern Standard Time | EST | 5
Eastern Daylight Time | EDT | 4
Eastern War Time | EWT | 4
Central Standard Time | CST | 6
Central Daylight Time | CDT | 5
Central War Time | CWT | 5
Mountain Standard Time | MST | 7
Mountain Daylight Time | MDT | 6
Mountain War Time | MWT | 6
Pacific Standard Time | PST | 8
Pacific Daylight Time | PDT | 7
Pacific War Time | PWT | 7
Alaska Standard Time | AKST | 9
Alaska Daylight Time | AKDT | 8
Hawaii-Aleutian Standard Time | HST | 10
Samoa Standard Time | SST | 11
Brasilia Time | BRT | 3
Brasilia Summer Time | BRST | 2
Argentina Time | ART | 3
Chile Standard Time | CLT | 4
Chile Summer Time | CLST | 3
Colombia Time | COT | 5
Peru Time | PET | 5
Venezuela Time | VET | 4
"""

# name | date | hour:minute | A/P | zone at birth | place (city, region):
# fictional people, the zone the clocks kept that day (daylight or war time
# where it applied).
PEOPLE = """
m Arthur Pendleton | 3 Feb 1904 | 6:15 | A | 0 | London, England
w Margarethe Vollmer | 18 Sep 1923 | 11:40 | P | -1 | Munich, Germany
m Rafael Quintero | 27 Jul 1936 | 4:05 | A | 4 | Buenos Aires, Argentina
w Eleanor Whitcombe | 9 Dec 1942 | 2:30 | P | 4 | Boston, MA
Kenji Takamura | 14 Apr 1951 | 7:22 | A | -9 | Osaka, Japan
w Amara Okafor | 1 Oct 1960 | 9:10 | A | -1 | Lagos, Nigeria
m Dmitri Sokolov | 22 Jun 1968 | 11:55 | P | -3 | Moscow, Russia
w Priya Raman | 5 Mar 1974 | 5:48 | P | -5.5 | Chennai, India
Jordan Ellis | 30 Aug 1979 | 3:03 | A | 7 | Los Angeles, CA
w Sofia Lindqvist | 11 Nov 1985 | 10:00 | P | -1 | Stockholm, Sweden
m Lucas Ferreira | 19 Jan 1993 | 8:36 | A | 2 | Sao Paulo, Brazil
w Chloe Bennett | 24 May 2001 | 12:01 | P | -10 | Sydney, Australia
m Mateo Alvarez | 7 Jul 2009 | 1:17 | P | 5 | Chicago, IL
"""

MONTHS = ["Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"]


def rows(table):
    for line in table.strip().splitlines():
        if line.startswith("#"):
            continue
        yield [part.strip() for part in line.split("|")]


def number_text(value):
    text = ("%.2f" % value).rstrip("0").rstrip(".")
    return "0" if text in ("-0", "") else text


def parse_angle(text):
    deg, minutes, side = text.split()
    return int(deg), int(minutes), side


def places():
    out = []
    for city, region, lat, lon, zone in rows(PLACES):
        lat_d, lat_m, lat_s = parse_angle(lat)
        lon_d, lon_m, lon_s = parse_angle(lon)
        assert lat_s in "NS" and lon_s in "EW", city
        assert lat_d <= 90 and lon_d <= 180 and lat_m < 60 and lon_m < 60, city
        assert "," not in city + region and '"' not in city + region, city
        zone_hours = float(zone)
        assert -13 <= zone_hours <= 12, city
        out.append(dict(city=city, region=region, lat=(lat_d, lat_m, lat_s),
                        lon=(lon_d, lon_m, lon_s), zone=zone_hours))
    keys = [(p["city"], p["region"]) for p in out]
    assert len(keys) == len(set(keys)), "a place is listed twice"
    return out


def city_line(p):
    lon_d, lon_m, lon_s = p["lon"]
    lat_d, lat_m, lat_s = p["lat"]
    lon = ("%02d" if lon_d < 100 else "%03d") % lon_d + lon_s + "%02d" % lon_m
    lat = "%02d%s%02d" % (lat_d, lat_s, lat_m)
    return ",".join([p["city"], p["region"], lon, lat, number_text(p["zone"])])


def zone_line(name, label, hours):
    assert len(name) <= 32 and len(label) <= 4 and "," not in name, name
    return ",".join([name, label, number_text(float(hours))])


def person_line(row, by_place):
    name, date, clock, ampm, zone, place = row
    day, month, year = date.split()
    hour, minute = (int(x) for x in clock.split(":"))
    assert 1 <= hour <= 12 and 0 <= minute < 60 and ampm in "AP", name
    city, region = (x.strip() for x in place.split(","))
    p = by_place[(city, region)]
    lon_d, lon_m, lon_s = p["lon"]
    lat_d, lat_m, lat_s = p["lat"]
    lon = ("-" if lon_s == "E" and (lon_d or lon_m) else "") + "%03d.%02d" % (lon_d, lon_m)
    lat = ("-" if lat_s == "S" and (lat_d or lat_m) else "") + "%02d.%02d" % (lat_d, lat_m)
    date_text = "%02d %s %s" % (int(day), month, year)
    assert month in MONTHS
    datetime.date(int(year), MONTHS.index(month) + 1, int(day))  # a real date
    return ",".join([name, date_text, "%d.%02d" % (hour, minute), ampm, zone, lon, lat,
                     name.split()[-1].lower() + "@example.com"])


def write(path, lines):
    with open(path, "wb") as f:
        f.write("".join(line + "\r\n" for line in lines).encode("ascii"))
    print("wrote %s (%d lines)" % (path, len(lines)))


def tz_locations():
    """tz zone name -> (lat degrees, lon degrees, East positive) from Debian's tzdata."""
    found = {}
    for name in ("/usr/share/zoneinfo/zone.tab", "/usr/share/zoneinfo/zone1970.tab"):
        with open(name, encoding="utf-8") as f:
            for line in f:
                if line.startswith("#"):
                    continue
                _, coords, zone = line.split("\t")[:3]
                sign_at = max(coords.rfind("+"), coords.rfind("-"))
                found[zone] = (iso6709(coords[:sign_at]), iso6709(coords[sign_at:]))
    return found


def iso6709(text):
    sign = -1 if text[0] == "-" else 1
    digits = text[1:]
    deg_len = 2 if len(digits) in (4, 6) else 3
    deg = int(digits[:deg_len])
    minutes = int(digits[deg_len:deg_len + 2])
    seconds = int(digits[deg_len + 2:] or 0)
    return sign * (deg + minutes / 60 + seconds / 3600)


def check(all_places):
    from zoneinfo import ZoneInfo
    locations = tz_locations()
    by_city = {}
    for zone in locations:
        by_city.setdefault(zone.split("/")[-1].replace("_", " ").lower(), []).append(zone)
    compared = problems = 0
    for p in all_places:
        for zone in by_city.get(p["city"].lower(), []):
            lat = (p["lat"][0] + p["lat"][1] / 60) * (-1 if p["lat"][2] == "S" else 1)
            lon = (p["lon"][0] + p["lon"][1] / 60) * (-1 if p["lon"][2] == "W" else 1)
            tz_lat, tz_lon = locations[zone]
            tz = ZoneInfo(zone)
            standard = None
            for month in (1, 7):
                moment = datetime.datetime(2024, month, 15, 12, tzinfo=tz)
                if not moment.dst():
                    standard = -moment.utcoffset().total_seconds() / 3600
            compared += 1
            far = abs(lat - tz_lat) * 60 > 10 or abs(lon - tz_lon) * 60 > 10
            if far or standard != p["zone"]:
                problems += 1
                print("%s, %s: %.2f %.2f zone %s; %s: %.2f %.2f zone %s" % (
                    p["city"], p["region"], lat, lon, p["zone"], zone, tz_lat, tz_lon, standard))
    print("compared %d places with the tz database: %d differ" % (compared, problems))


def main():
    root = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "data"))
    if "--out" in sys.argv[1:-1]:  # tools/check_generated.py writes elsewhere
        root = sys.argv[sys.argv.index("--out") + 1]
    all_places = places()
    write(os.path.join(root, "GA_MA.LL"), [city_line(p) for p in all_places])
    write(os.path.join(root, "TZ.DAT"), [zone_line(*row) for row in rows(ZONES)])
    by_place = {(p["city"], p["region"]): p for p in all_places}
    write(os.path.join(root, "NAMES.FIL"), [person_line(row, by_place) for row in rows(PEOPLE)])
    if "--check" in sys.argv[1:]:
        check(all_places)


if __name__ == "__main__":
    main()
