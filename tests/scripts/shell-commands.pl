#!/usr/bin/perl
# Prints the words a bash script runs as commands, one per line: the first
# word of every simple command, also inside "$(...)", `...`, pipelines and
# lists, through the wrappers sudo, env, nice, timeout and exec. Quoted texts
# are not commands (their "$(...)" parts are); comments are dropped.
# Only perl-base, which every Debian system has.
use strict;
use warnings;

my $text = do { local $/; <> };
$text =~ s/\\\n/ /g;

# A stack of modes: "cmd" (shell words), "dq" (inside "..."), "sub"
# (inside $( ) or a parenthesis within it), "bq" (inside `...`).
my @stack = ('cmd');
my $out = '';
my $n = length $text;
my $i = 0;
while ($i < $n) {
    my $c = substr($text, $i, 1);
    my $mode = $stack[-1];
    if ($mode eq 'dq') {
        if ($c eq '\\') { $i += 2; next; }
        if ($c eq '"') { pop @stack; $out .= 'S"'; $i++; next; }
        if (substr($text, $i, 2) eq '$(') { push @stack, 'sub'; $out .= "\n"; $i += 2; next; }
        if ($c eq '`') { push @stack, 'bq'; $out .= "\n"; $i++; next; }
        $i++;
        next;
    }
    if ($c eq '\\') { $out .= ' '; $i += 2; next; }
    if ($c eq "'") {
        my $j = index($text, "'", $i + 1);
        $j = $n - 1 if $j < 0;
        $out .= "'S'";
        $i = $j + 1;
        next;
    }
    if ($c eq '"') { push @stack, 'dq'; $out .= '"'; $i++; next; }
    if ($c eq '#' && ($i == 0 || substr($text, $i - 1, 1) =~ /[\s;(]/)) {
        my $j = index($text, "\n", $i);
        $i = $j < 0 ? $n : $j;
        next;
    }
    if (substr($text, $i, 2) eq '$(') { push @stack, 'sub'; $out .= "\n"; $i += 2; next; }
    if ($c eq '`') {
        if ($mode eq 'bq') { pop @stack; } else { push @stack, 'bq'; }
        $out .= "\n";
        $i++;
        next;
    }
    if ($mode eq 'sub' && $c eq '(') { push @stack, 'sub'; $out .= "\n"; $i++; next; }
    if ($mode eq 'sub' && $c eq ')') { pop @stack; $out .= "\n"; $i++; next; }
    if ($c =~ /[|;&(){}\n]/) { $out .= "\n"; $i++; next; }
    $out .= $c;
    $i++;
}

my %keywords = map { $_ => 1 } qw(if then else elif fi do done while until in function ! ]] time
                                   exec sudo command nohup setsid builtin env);
# Words after which the rest of the line is not a command.
my %stops = map { $_ => 1 } qw(for case select [[ [ test local export readonly declare typeset);
for my $line (split /\n/, $out) {
    my @words = split ' ', $line;
    while (@words) {
        my $word = shift @words;
        next if $word =~ /^[A-Za-z_][A-Za-z0-9_]*=/;
        if ($word eq 'nice' || $word eq 'timeout') {
            shift @words while @words && ($words[0] =~ /^-/ || $words[0] =~ /^[0-9.]+[smhd]?$/);
            next;
        }
        last if $stops{$word};
        next if $keywords{$word};
        print "$word\n";
        last;
    }
}
