# A program's page as installed: in section 1phys, and its references to the
# suite's other programs (".BR rocket (1)") pointing there too; references to
# pages of other packages (gnuplot(1), stty(1)) are left alone.
# cmake -DPAGE=man/NAME.1 -DOUT=NAME.1phys -DPROGRAMS=name|name|... -P suite_section.cmake
file(READ ${PAGE} text)
string(REGEX REPLACE "^(\\.TH [^ ]+) 1 " "\\1 1phys " text "${text}")
string(REGEX REPLACE "\n(\\.[BI]R (${PROGRAMS})) \\(1\\)" "\n\\1 (1phys)" text "${text}")
file(WRITE ${OUT} "${text}")
