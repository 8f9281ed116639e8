#!/usr/bin/perl
# Writes a large, realistic Perl script to standard output, for the open and save benchmarks.
#
#   perl bench/genperl.pl [--crlf] [--ascii] [--seed N] MEGABYTES > big.pl
#
# MEGABYTES may be fractional (0.5); one megabyte is 1048576 bytes. The script is cut at the end
# of a sub or a documentation block once the size is reached, so it comes out a little larger
# (a few hundred bytes at most). The same arguments always give the same bytes: the generator has
# its own random numbers rather than Perl's rand, whose sequence may differ between builds.
#
#   --crlf     CR LF line ends (default LF)
#   --ascii    no characters outside ASCII (default: a few UTF-8 ones in strings and comments,
#              as a script with `use utf8` has)
#   --seed N   another script of the same kind (default 1)
#
# The script holds packages with subs, hashes and arrays, regular expressions (matches,
# substitutions, tr), interpolating and plain strings, printf and sprintf, here-documents of
# both kinds, file handling, comments and POD. It compiles (perl -c) but is not meant to be run.
use strict;
use warnings;
use utf8;    # the non-ASCII words below are written in UTF-8

my ($crlf, $ascii, $seed) = (0, 0, 1);
my @args;
while (@ARGV) {
    my $arg = shift @ARGV;
    if    ($arg eq '--crlf')  { $crlf = 1 }
    elsif ($arg eq '--ascii') { $ascii = 1 }
    elsif ($arg eq '--seed')  { $seed = shift @ARGV; die "--seed needs a whole number\n" unless defined $seed && $seed =~ /^\d+$/ }
    elsif ($arg =~ /^-(h|-help)$/) { print usage(); exit 0 }
    elsif ($arg =~ /^-/)      { die usage() }
    else                      { push @args, $arg }
}
die usage() unless @args == 1 && $args[0] =~ /^(?:\d+(?:\.\d*)?|\.\d+)$/ && $args[0] > 0;
my $target = int($args[0] * 1048576);

sub usage { "usage: perl bench/genperl.pl [--crlf] [--ascii] [--seed N] MEGABYTES > FILE\n" }

# ---- random numbers: a 32-bit xorshift, the same on every perl ----

my $state = (2463534242 ^ ($seed * 2654435761)) & 0xFFFFFFFF;
$state ||= 1;
sub rnd {    # 0 .. $_[0]-1
    $state ^= ($state << 13) & 0xFFFFFFFF;
    $state ^= $state >> 17;
    $state ^= ($state << 5) & 0xFFFFFFFF;
    return $state % $_[0];
}
sub pick { $_[rnd(scalar @_)] }
sub chance { rnd(100) < $_[0] }

# ---- vocabulary ----

my @nouns = qw(account address archive batch buffer cache channel chunk client column config
  counter customer entry event field file filter format handle header host index invoice item
  job key label layout line list log mapping message node order owner packet page parser path
  payload pattern peer point prefix price queue record region report request response result
  row rule sample schedule section segment server session setting source stamp state status
  stock store stream summary table tag target task template ticket token total track user value
  vendor version window worker zone);
my @verbs = qw(add apply build check clean collect compare compute convert count create decode
  encode expand export fetch filter find flush format gather group handle import load lookup
  merge normalise open parse prepare print process read refresh register remove render reset
  resolve rotate save scan select send sort split store strip sync trim update validate verify
  walk write);
my @adjectives = qw(active current default empty final first global hidden inner last local
  main new next old open outer pending plain previous primary raw remote shared short single
  stale total valid);
my @words = qw(the a of to and in is for on with as at by from this that it not be are was
  will can all each when if no one more out up any only into over after before than then once
  every new file line value list name data time first last next item record field user entry
  order report total count error warning done ready skipped empty missing found);
my @nonAscii = ('café', 'naïve', 'Müller', 'Größe', 'façade', 'São Paulo', 'Zürich', 'résumé',
  '→', '…', '€', 'Ærø', 'Åsa', 'Øresund', 'piñata', 'Straße');

sub ident {
    my $n = rnd(3);
    return pick(@nouns) if $n == 0;
    return pick(@adjectives) . '_' . pick(@nouns) if $n == 1;
    return pick(@nouns) . '_' . pick(@nouns);
}
sub subname { pick(@verbs) . '_' . pick(@nouns) . (chance(30) ? '_' . pick(@nouns) : '') }
sub camel { join '', map { ucfirst } @_ }
sub phrase {
    my $count = $_[0] // (3 + rnd(7));
    my @p = map { pick(@words) } 1 .. $count;
    splice @p, rnd(scalar @p), 0, pick(@nonAscii) if !$ascii && chance(6);
    return join ' ', @p;
}
sub sentence { my $s = phrase(5 + rnd(10)); ucfirst($s) . '.' }
sub number { chance(70) ? rnd(1000) : rnd(100000) }

# ---- pieces of code ----

my $indent = '    ';
my (@scalars, @hashes, @arrays);    # variables declared so far in the current sub
my $named_args;                     # whether the current sub takes %args
my %subs_of_package;                # no sub is defined twice in one package
my %packages;                       # nor a package twice

sub var    { @scalars ? pick(@scalars) : 'undef' }
sub hashv  { @hashes ? pick(@hashes) : '%ENV' }
sub arrayv { @arrays ? pick(@arrays) : '@ARGV' }
sub newvar { my $v = '$' . ident() . (@scalars > 6 ? rnd(10) : ''); push @scalars, $v; $v }

sub regex {
    pick(
        '^\s*(\w+)\s*=\s*(.*?)\s*$',
        '^#',
        '(\d{4})-(\d\d)-(\d\d)',
        '^(?:GET|POST|PUT)\s+(\S+)',
        '\b' . pick(@nouns) . '\b',
        '^\s*$',
        '([A-Z][a-z]+)\s+([A-Z][a-z]+)',
        '^(\S+)\s+(\d+(?:\.\d+)?)',
        '\.(?:pl|pm|t)$',
        '^' . pick(@nouns) . ':\s*(.+)$',
        '(["\'])(.*?)\1',
        '\$\{?(\w+)\}?',
        '^\[(\w+)\]$',
        '(?<key>\w+)=(?<value>[^;]*)',
    );
}

# The statement of a block: what it declares is gone after it.
sub inner {
    my ($depth) = @_;
    my @sizes = (scalar @scalars, scalar @hashes, scalar @arrays);
    my @lines = statement($depth);
    $#scalars = $sizes[0] - 1;
    $#hashes = $sizes[1] - 1;
    $#arrays = $sizes[2] - 1;
    return @lines;
}

# One statement (possibly a block), as lines without the final line end.
sub statement {
    my ($depth) = @_;
    my $in = $indent x $depth;
    my $k = rnd(30);
    if ($k == 0) {
        my $value = pick("'" . phrase(2) . "'", number(), ($named_args ? "\$args{" : "\$self->{") . pick(@nouns) . "} // " . number(),
            "scalar(" . arrayv() . ")", "\$self->{" . ident() . "}", "lc(" . var() . " // '')");
        return ("${in}my " . newvar() . " = $value;");
    }
    if ($k == 1) {
        my $h = '%' . ident() . (@hashes ? rnd(10) : '');
        push @hashes, $h;
        my @lines = ("${in}my $h = (");
        for (1 .. 2 + rnd(6)) {
            my $key = ident();
            push @lines, "${in}$indent$key => " . pick("'" . phrase(1 + rnd(3)) . "'", number(), "[qw(" . join(' ', map { pick(@nouns) } 1 .. 2 + rnd(4)) . ")]",
                "{ " . pick(@nouns) . " => " . number() . ", " . pick(@nouns) . " => '" . pick(@adjectives) . "' }", "\\&" . subname(), "undef") . ',';
        }
        return (@lines, "${in});");
    }
    if ($k == 2) {
        my $value = pick("qw(" . join(' ', map { pick(@nouns) } 1 .. 3 + rnd(6)) . ")", "sort { \$a <=> \$b } values " . hashv(),
            "grep { defined && length } split /" . pick('\s*,\s*', '\t', ':', '\s+', '\|') . "/, " . var(), "map { lc } keys " . hashv(),
            "map { \$_->{" . pick(@nouns) . "} } " . arrayv());
        my $a = '@' . ident() . 's';
        push @arrays, $a;
        return ("${in}my $a = $value;");
    }
    if ($k == 3 || $k == 4) {
        my $v = var();
        my @lines = ("${in}if ($v =~ m/" . regex() . "/" . pick('', 'i', 'x', 'o', '') . ") {");
        push @lines, "${in}${indent}my (\$" . pick(@nouns) . ", \$" . pick(@adjectives) . ") = (\$1, \$2);" if chance(60);
        push @lines, inner($depth + 1) if $depth < 3;
        if (chance(40)) {
            push @lines, "${in}} elsif ($v =~ /" . regex() . "/) {", inner($depth + 1);
        }
        if (chance(40)) {
            push @lines, "${in}} else {", "${in}${indent}warn \"" . ucfirst(phrase(3)) . ": \$" . pick(@nouns) . "\\n\";";
        }
        return (@lines, "${in}}");
    }
    if ($k == 5) {
        return ("${in}(my \$" . ident() . " = " . var() . ") =~ s/" . pick('^\s+|\s+$', '\s+', '[^\w.-]', '\\\\', '"', '\r?\n') . "/" . pick('', ' ', '_', '\\\\"') . "/g;");
    }
    if ($k == 6) {
        return ("${in}" . var() . " =~ tr/" . pick('a-z/A-Z/', 'A-Z/a-z/', '\t/ /', '-_/__/', 'a-zA-Z//cd') . ";");
    }
    if ($k == 7 || $k == 8) {
        my @vars = map { '$' . pick(@nouns) } 1 .. rnd(3);
        return ("${in}print " . pick('', 'STDERR ', '$fh ', '{$out} ') . "\"" . ucfirst(phrase(2)) . (@vars ? ' ' . join(', ', map { "$_" } @vars) : '')
            . pick(' (@{[ scalar keys %seen ]} seen)', " for \$self->{name}", '', '', " at \$" . pick(@nouns) . "->{" . pick(@nouns) . "}") . "\\n\";");
    }
    if ($k == 9) {
        return ("${in}printf " . pick('', 'STDERR ') . "\"%-" . (8 + rnd(20)) . "s %" . (4 + rnd(6)) . "d %" . pick('.2f', 's', '5.1f%%', 'x') . "\\n\", \$" . pick(@nouns)
            . ", \$" . pick(@nouns) . ", \$" . pick(@nouns) . ";");
    }
    if ($k == 10) {
        my $value = "sprintf('" . pick('%s: %d', '%-20s|%s', '%04d-%02d-%02d', '[%s] %s', '%.3f', '%s=%s') . "', " . join(', ', map { var() } 1 .. 2) . ")";
        return ("${in}my " . newvar() . " = $value;");
    }
    if ($k == 11 || $k == 12) {
        my $loopv = '$' . pick(@nouns);
        my @lines = ("${in}foreach my $loopv (" . pick('sort keys ' . hashv(), arrayv(), '@{$self->{' . pick(@nouns) . 's}}', '0 .. $#' . substr(arrayv(), 1), 'reverse ' . arrayv()) . ") {");
        push @lines, "${in}${indent}next unless defined $loopv;" if chance(50);
        push @lines, "${in}${indent}last if $loopv eq '" . pick(@nouns) . "';" if chance(20);
        push @lines, inner($depth + 1) if $depth < 3;
        push @lines, inner($depth + 1) if $depth < 2 && chance(50);
        push @lines, "${in}$indent\$seen{$loopv}++;" if chance(40);
        return (@lines, "${in}}");
    }
    if ($k == 13) {
        my $fh = '$' . pick('fh', 'in', 'out', 'log', 'handle');
        my $mode = pick('<', '<', '>', '>>', '<:encoding(UTF-8)');
        my @lines = ("${in}open(my $fh, '$mode', \$" . pick(@nouns) . "_file)", "${in}${indent}or die \"Cannot open \$" . pick(@nouns) . "_file: \$!\\n\";");
        if ($mode =~ /</) {
            push @lines, "${in}while (my \$line = <$fh>) {", "${in}${indent}chomp \$line;", "${in}${indent}next if \$line =~ /^\\s*(?:#|\$)/;",
                "${in}${indent}my (\$key, \$value) = split /\\s*=\\s*/, \$line, 2;", "${in}$indent\$" . pick(@nouns) . "{\$key} = \$value;", "${in}}";
        } else {
            push @lines, "${in}print {$fh} join(\"\\t\", \@\$_), \"\\n\" for " . arrayv() . ";";
        }
        return (@lines, "${in}close($fh);");
    }
    if ($k == 14) {
        my $tag = pick('END', 'EOT', 'SQL', 'HTML', 'TEXT', 'USAGE');
        my $quoted = chance(60) ? "\"$tag\"" : "'$tag'";
        my @lines = ("${in}" . pick('print ', 'my $' . pick(@nouns) . '_text = ', 'push @out, ', '$self->{body} .= ') . "<<$quoted;");
        if ($tag eq 'SQL') {
            push @lines, "SELECT " . join(', ', map { pick(@nouns) } 1 .. 3 + rnd(4)), "  FROM " . pick(@nouns) . "s", " WHERE " . pick(@nouns) . "_id = ?",
                "   AND " . pick(@nouns) . " " . pick('>', '<', '=', '<>') . " " . ($quoted =~ /"/ ? '$' . pick(@nouns) : '?'), " ORDER BY " . pick(@nouns) . pick('', ' DESC');
        } elsif ($tag eq 'HTML') {
            push @lines, "<div class=\"" . pick(@nouns) . "\">", "  <h2>" . ($quoted =~ /"/ ? '$title' : ucfirst(phrase(2))) . "</h2>",
                map({ "  <p>" . sentence() . "</p>" } 1 .. 1 + rnd(3)), "</div>";
        } else {
            for (1 .. 2 + rnd(6)) {
                my $s = sentence();
                $s .= ' $' . pick(@nouns) . ' @{[ ' . var() . ' ]}' if $quoted =~ /"/ && chance(40);
                push @lines, (chance(20) ? '  ' : '') . $s;
            }
        }
        return (@lines, $tag);
    }
    if ($k == 15) {
        return ("${in}# " . sentence());
    }
    if ($k == 16) {
        # An early way out; the sub's own end may return too.
        return ("${in}return " . pick('wantarray ? @result : \@result', '$self', '1', 'undef', "\\%" . substr(hashv(), 1), 'scalar ' . arrayv(),
            '$' . pick(@nouns) . ' // ' . "'" . pick(@adjectives) . "'", 'join(", ", ' . arrayv() . ')')
            . pick(' unless defined ' . var(), ' if !@_', ' if $' . pick(@nouns) . '{done}', ' if ' . var() . ' eq \'' . pick(@nouns) . "'") . ";");
    }
    if ($k == 17) {
        return ("${in}\$self->{" . ident() . "}{" . pick('$key', "'" . pick(@nouns) . "'", '$' . pick(@nouns)) . "} = " . pick(var(), '[]', '{}', number(), "time", "\$" . pick(@nouns) . "->[" . rnd(5) . "]") . ";");
    }
    if ($k == 18) {
        return ("${in}die \"" . ucfirst(phrase(3)) . ": \$" . pick(@nouns) . "\\n\" unless " . pick('defined ' . var(), 'exists $' . pick(@nouns) . "{" . pick(@nouns) . "}", '@_', var() . ' =~ /^\d+$/', '-e $path') . ";");
    }
    if ($k == 19) {
        my @lines = ("${in}eval {");
        push @lines, inner($depth + 1) if $depth < 3;
        push @lines, "${in}${indent}" . subname() . "(\$self, " . var() . ");", "${in}${indent}1;", "${in}} or do {",
            "${in}${indent}my \$error = \$\@ || 'unknown error';", "${in}${indent}warn \"" . ucfirst(subname()) . " failed: \$error\";", "${in}};";
        return @lines;
    }
    if ($k == 20) {
        my $value = "join('" . pick(', ', '/', ':', '-', "\\t") . "', map { " . pick('sprintf("%02d", $_)', 'quotemeta', 'ucfirst lc', '"<$_>"', '$_->{' . pick(@nouns) . '}') . " } " . arrayv() . ")";
        return ("${in}my " . newvar() . " = $value;");
    }
    if ($k == 21) {
        my $loopv = '$' . pick('i', 'j', 'n', 'pos');
        my @lines = ("${in}for (my $loopv = 0; $loopv < " . pick('@' . pick(@nouns) . 's', number(), '$limit') . "; $loopv++) {");
        push @lines, "${in}$indent\$total += \$" . pick(@nouns) . "s[$loopv] * " . (1 + rnd(9)) . ";";
        push @lines, inner($depth + 1) if $depth < 2 && chance(50);
        return (@lines, "${in}}");
    }
    if ($k == 22) {
        return ("${in}my \@" . pick(@nouns) . "_list = sort { \$a->{" . pick(@nouns) . "} cmp \$b->{" . pick(@nouns) . "} || \$a->{" . pick(@nouns) . "} <=> \$b->{" . pick(@nouns) . "} } " . arrayv() . ";");
    }
    if ($k == 23) {
        return ("${in}local \$_ = " . var() . ";", "${in}" . pick('s{(\w+)@(\w+)}{$2 at $1}g', 's{\s+#.*$}{}', 's{\{(\w+)\}}{$vars{$1} // ""}ge', 's{&}{&amp;}g', 's{<}{&lt;}gx', 's{(\d+)}{$1 * 2}ge', 's{^\s+}{}i') . ";");
    }
    if ($k == 24) {
        return ("${in}my " . newvar() . " = \$" . pick(@nouns) . " ? '" . pick(@adjectives) . "' : '" . pick(@adjectives) . "';");
    }
    if ($k == 25) {
        return ("${in}push \@{ \$self->{" . pick(@nouns) . "s} }, { name => " . var() . ", " . pick(@nouns) . " => " . number() . ", when => time };");
    }
    if ($k == 26) {
        return ("${in}my (\$" . pick(@nouns) . ", \@rest) = split /" . pick(',', '\s+', ':', '\|', '=') . "/, " . var() . (chance(50) ? ", " . (2 + rnd(4)) : '') . ";");
    }
    if ($k == 27) {
        return ("${in}" . subname() . "(" . join(', ', '$self', map { var() } 1 .. rnd(3)) . ")" . pick(' or return;', ';', ';', " or warn \"no " . pick(@nouns) . "\\n\";") . "  # " . phrase(3 + rnd(4)));
    }
    if ($k == 28) {
        return ("${in}my \$" . pick(@nouns) . "_re = qr/" . regex() . "/" . pick('', 'i', 'x', 'ms') . ";");
    }
    return ("${in}while (my (\$key, \$value) = each " . hashv() . ") {", "${in}${indent}next if ref \$value;", "${in}${indent}print \"\$key: \$value\\n\";", "${in}}");
}

sub gen_sub {
    my ($package) = @_;
    @scalars = ('$self');
    @hashes = ('%seen');
    @arrays = ('@result');
    my $name = subname();
    $name = subname() while $subs_of_package{$name}++;
    my @lines;
    if (chance(35)) {
        push @lines, '', "=head2 $name", '', sentence() . ' ' . sentence(), '', "    my \$" . pick(@nouns) . " = \$obj->$name(" . pick(@nouns) . " => " . number() . ");", '', '=cut';
    } elsif (chance(60)) {
        push @lines, '', "# $name: " . phrase(4 + rnd(8)) . '.';
        push @lines, '# ' . sentence() for 1 .. rnd(3);
    } else {
        push @lines, '';
    }
    push @lines, "sub $name {";
    $named_args = chance(40);
    push @lines, $named_args ? "${indent}my (\$self, %args) = \@_;" : pick("${indent}my (\$self, \$" . pick(@nouns) . ", \$" . pick(@nouns) . ") = \@_;", "${indent}my \$self = shift;");
    push @lines, "${indent}my \%seen;", "${indent}my \@result;";
    push @lines, statement(1) for 1 .. 3 + rnd(12);
    push @lines, "${indent}return wantarray ? \@result : \\\@result;" if chance(50);
    push @lines, '}';
    return @lines;
}

sub gen_package_head {
    %subs_of_package = (new => 1);
    my $name;
    do { $name = join '::', 'Velmora', camel(pick(@adjectives)), camel(pick(@nouns), pick(@nouns)) } while $packages{$name}++;
    my @lines = ('', '', "package $name;", '', "use strict;", "use warnings;");
    push @lines, "use utf8;" unless $ascii;
    push @lines, "use " . pick('POSIX qw(floor ceil strftime)', 'List::Util qw(first max min sum)', 'Scalar::Util qw(blessed reftype)', 'File::Spec', 'Carp qw(croak carp)', 'Data::Dumper') . ';' for 1 .. 1 + rnd(3);
    push @lines, '', "our \$VERSION = '" . (1 + rnd(4)) . "." . sprintf('%02d', rnd(100)) . "';";
    push @lines, '', '=head1 NAME', '', "$name - " . phrase(4 + rnd(6)), '', '=head1 DESCRIPTION', '', sentence() . ' ' . sentence(), sentence(), '', '=cut' if chance(70);
    push @lines, '', 'my %DEFAULTS = (';
    push @lines, "${indent}" . ident() . " => " . pick("'" . phrase(1 + rnd(2)) . "'", number(), '[]', '{}', '1', '0') . ',' for 1 .. 3 + rnd(8);
    push @lines, ');', '', 'sub new {', "${indent}my (\$class, %args) = \@_;", "${indent}my \$self = bless { %DEFAULTS, %args }, \$class;", "${indent}return \$self;", '}';
    return @lines;
}

my $eol = $crlf ? "\r\n" : "\n";
binmode STDOUT;
my $out = '';
my $written = 0;
sub emit {
    my $text = join($eol, @_) . $eol;
    utf8::encode($text);    # the vocabulary is character text
    $out .= $text;
    if (length $out > 65536) { print $out; $written += length $out; $out = '' }
}

# The package variables the code below uses without declaring them; `our` holds for the whole file.
my @globals = ((map { ('$' . $_, '%' . $_, '@' . $_ . 's', '$' . $_ . '_file') } @nouns), (map { '$' . $_ } grep { my $a = $_; !grep { $_ eq $a } @nouns } @adjectives),
    qw($i $j $n $limit $title $fh $out @out %vars));
my @our;
while (@globals) {
    my @row = splice @globals, 0, 12;
    push @our, (@our ? '    ' : 'our (') . join(', ', @row) . (@globals ? ',' : ');');
}
emit('#!/usr/bin/perl', '# Generated by bench/genperl.pl: a large script for the open and save benchmarks.', '# ' . sentence(), '',
    'use strict;', 'use warnings;', $ascii ? () : 'use utf8;', '', 'our $VERSION = \'1.00\';', @our);
while ($written + length($out) < $target) {
    emit(gen_package_head());
    for (1 .. 5 + rnd(25)) {
        emit(gen_sub());
        last if $written + length($out) >= $target;
    }
    emit('', '1;');
}
print $out;
