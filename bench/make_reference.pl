#!/usr/bin/perl
# Writes a C program that writes the given files' bytes to standard output
# and standard error with one write call each: the smallest native program
# that produces the same bytes.
use strict;
use warnings;

sub c_array {
  my ($name, $path) = @_;
  open(my $fh, '<:raw', $path) or die "$path: $!";
  local $/;
  my $data = <$fh> // '';
  my $hex = join(',', map { sprintf('0x%02x', $_) } unpack('C*', $data));
  return ("static const char $name\[\] = {$hex" . (length($data) ? '' : '0') . "};\n", length($data));
}

my ($out_path, $err_path) = @ARGV;
my ($out_c, $out_n) = c_array('out', $out_path);
my ($err_c, $err_n) = c_array('err', $err_path);
print "#include <unistd.h>\n$out_c$err_c";
print "int main(void) {\n";
print "  if (write(1, out, $out_n) != $out_n) return 1;\n" if $out_n;
print "  if (write(2, err, $err_n) != $err_n) return 1;\n" if $err_n;
print "  return 0;\n}\n";
