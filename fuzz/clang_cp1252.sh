#!/usr/bin/env bash
# Compiler launcher of the clang build. clang reads its sources as UTF-8 and keeps the bytes of a
# literal as they stand, but the program's texts are Windows-1252 bytes: preprocess the UTF-8
# sources, re-encode the result beside the object file, and compile that. Comments are gone by
# then, so only what g++ would turn into Windows-1252 is converted, and a character it could not
# convert fails here too. A u8"" literal would be converted as well: only the Qt tests hold any,
# and the clang build (the fuzz targets) leaves Qt out.
#   clang_cp1252.sh <clang++> <arguments of one compilation, with -c SOURCE and -o OBJECT>
set -euo pipefail

source=""
objet=""
args=("$@")
for ((i = 0; i < ${#args[@]}; ++i)); do
  case ${args[i]} in
    -c) source=${args[i + 1]} ;;
    -o) objet=${args[i + 1]} ;;
  esac
done
# Anything else (a link, a probe of the compiler) goes through untouched.
if [ -z "$source" ] || [ -z "$objet" ]; then exec "$@"; fi

pretraite=$objet.utf8.ii
reencode=$objet.ii

# The preprocessing writes the dependency file, since it is the step that reads the headers.
preparation=()
for ((i = 0; i < ${#args[@]}; ++i)); do
  case ${args[i]} in
    -c) preparation+=(-E) ;;
    -o) preparation+=(-o "$pretraite"); i=$((i + 1)) ;;
    *) preparation+=("${args[i]}") ;;
  esac
done
"${preparation[@]}"
iconv -f UTF-8 -t CP1252 "$pretraite" > "$reencode"
rm -f "$pretraite"

compilation=()
for ((i = 0; i < ${#args[@]}; ++i)); do
  case ${args[i]} in
    -MD | -MMD) ;;
    -MT | -MF | -MQ) i=$((i + 1)) ;;
    -c) compilation+=(-Wno-invalid-source-encoding -Wno-unused-command-line-argument
                      -x c++-cpp-output -c "$reencode"); i=$((i + 1)) ;;
    *) compilation+=("${args[i]}") ;;
  esac
done
"${compilation[@]}"
