# Floating-point results must be the same bits on every machine: no fused
# multiply-add, no fast-math reassociation, no host-specific instruction set.
add_compile_options(-ffp-contract=off -fno-fast-math -Wall -Wextra)

if(VELTRANE_SANITIZE)
  add_compile_options(-fsanitize=${VELTRANE_SANITIZE} -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=${VELTRANE_SANITIZE})
endif()

# Debian's hardening: every relocation resolved, and then read-only, at load time.
add_link_options(-Wl,-z,relro,-z,now)
