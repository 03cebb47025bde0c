# SPDX-License-Identifier: MIT
# Turns the committed picture, glyph and icon files into one C++ source of constant byte
# arrays. Run by the build as: cmake -DMANIFEST=<file> -DOUTPUT=<file.cpp> -P EmbedFiles.cmake
# Each manifest line is "symbol|form|path": form "raw" embeds the file as it is, "picture"
# prefixes the class name and 32-bit length of a stored JPEG picture, "sized" prefixes the
# 32-bit length of a stored bitmap.

function(tp_le32_bytes value out_var)
  set(bytes "")
  foreach(shift 0 8 16 24)
    math(EXPR byte "(${value} >> ${shift}) & 255" OUTPUT_FORMAT HEXADECIMAL)
    list(APPEND bytes "${byte}")
  endforeach()
  list(JOIN bytes "," joined)
  set(${out_var} "${joined}," PARENT_SCOPE)
endfunction()

file(STRINGS "${MANIFEST}" entries)
set(body "// Generated from the files under resources/ by EmbedFiles.cmake; do not edit.\n")
string(APPEND body "#include <cstddef>\n\nnamespace tp::resources::data {\n")
foreach(entry IN LISTS entries)
  string(REPLACE "|" ";" fields "${entry}")
  list(GET fields 0 symbol)
  list(GET fields 1 form)
  list(GET fields 2 path)
  file(SIZE "${path}" size)
  file(READ "${path}" hex HEX)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  set(prefix "")
  if(form STREQUAL "picture")
    # A length byte, then the class name "TJPEGImage".
    set(prefix "0x0a,0x54,0x4a,0x50,0x45,0x47,0x49,0x6d,0x61,0x67,0x65,")
    tp_le32_bytes(${size} length)
    string(APPEND prefix "${length}")
  elseif(form STREQUAL "sized")
    tp_le32_bytes(${size} prefix)
  elseif(NOT form STREQUAL "raw")
    message(FATAL_ERROR "Unknown form '${form}' for ${path}")
  endif()
  string(APPEND body "extern const unsigned char ${symbol}[] = {${prefix}\n${bytes}};\n")
  string(APPEND body "extern const std::size_t ${symbol}Size = sizeof(${symbol});\n")
endforeach()
string(APPEND body "} // namespace tp::resources::data\n")

file(WRITE "${OUTPUT}" "${body}")
